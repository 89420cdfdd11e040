#include "platform/dialog_template.h"

#include <map>

namespace {

std::map<UINT, DialogTemplate>& Templates()
{
    static auto* templates = new std::map<UINT, DialogTemplate>;
    return *templates;
}

}  // namespace

void RegisterDialogTemplate(const DialogTemplate& dialogTemplate)
{
    Templates().insert_or_assign(dialogTemplate.id, dialogTemplate);
}

const DialogTemplate* FindDialogTemplate(UINT id)
{
    auto it = Templates().find(id);
    return it == Templates().end() ? nullptr : &it->second;
}
