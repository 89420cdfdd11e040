#include "platform/dialog_template.h"

#include "platform/registration.h"

#include <map>
#include <string>

namespace {

std::map<UINT, DialogTemplate>& Templates()
{
    static auto* templates = new std::map<UINT, DialogTemplate>;
    return *templates;
}

}  // namespace

void RegisterDialogTemplate(const DialogTemplate& dialogTemplate)
{
    if (!Templates().emplace(dialogTemplate.id, dialogTemplate).second)
        RefuseRegistration("dialog template", std::to_string(dialogTemplate.id));
}

const DialogTemplate* FindDialogTemplate(UINT id)
{
    auto it = Templates().find(id);
    return it == Templates().end() ? nullptr : &it->second;
}

std::vector<UINT> RegisteredDialogTemplateIds()
{
    std::vector<UINT> ids;
    for (const auto& [id, t] : Templates())
        ids.push_back(id);
    return ids;
}
