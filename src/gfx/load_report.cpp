#include "gfx/load_report.h"

#include <map>
#include <set>
#include <vector>

namespace load_report {
namespace {

constexpr size_t kNamed = 12;  // files named in full; the rest are counted

struct Report {
    std::multiset<std::string> loading;
    std::vector<std::pair<std::string, std::string>> files;
    std::set<std::string> named;
    std::vector<std::string> lines;
};

Report& TheReport()
{
    static Report* report = new Report;
    return *report;
}

}  // namespace

void Begin(const char* list) { TheReport().loading.insert(list ? list : ""); }

void Note(const std::string& path, const std::string& why)
{
    Report& r = TheReport();
    if (r.named.insert(path).second)
        r.files.emplace_back(path, why);
}

void NoteLine(const std::string& line)
{
    Report& r = TheReport();
    for (const std::string& known : r.lines)
        if (known == line)
            return;
    r.lines.push_back(line);
}

void End(const char* list)
{
    Report& r = TheReport();
    const auto it = r.loading.find(list ? list : "");
    if (it != r.loading.end())
        r.loading.erase(it);
}

bool Gathering() { return !TheReport().loading.empty(); }

std::string Take()
{
    Report& r = TheReport();
    if (!r.loading.empty() || (r.files.empty() && r.lines.empty()))
        return "";
    std::string text;
    for (const std::string& line : r.lines)
        text += line + "\n";
    if (!r.files.empty()) {
        if (!text.empty())
            text += "\n";
        text += r.files.size() == 1 ? "This file of your lists cannot be used now:\n"
                                    : "These files of your lists cannot be used now:\n";
        for (size_t i = 0; i < r.files.size() && i < kNamed; ++i)
            text += "\n" + r.files[i].first + "\n    " + r.files[i].second;
        if (r.files.size() > kNamed)
            text += "\n\n... and " + std::to_string(r.files.size() - kNamed) + " more.";
        text += "\n\nThey stay in the lists and are tried again at the next start.";
    }
    r = Report();
    return text;
}

}  // namespace load_report
