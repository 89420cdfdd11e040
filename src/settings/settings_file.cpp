#include "settings/settings_file.h"

#include "platform/crt.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "platform/profile.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <vector>

int TextToInt(const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            break;
    }
    if (negative)
        return value > static_cast<long long>(INT_MAX) ? INT_MIN : static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

std::string GetSettingsFilePath()
{
    static bool reported = false;
    std::string folder = GetSettingsFolder();
    if (folder.empty())
        folder = GetFallbackFolder();
    if (!folder.empty())
        return folder + "Quenmarl.ini";
    if (!reported) {
        reported = true;
        MessageBoxA(nullptr,
                    "No folder for the settings file could be found or made.\n"
                    "The aquarium starts with its default settings and will not save changes.",
                    "ERROR", MB_OK);
    }
    return "";
}

CSettingsFile::CSettingsFile() : m_path(GetSettingsFilePath()) {}

std::string CSettingsFile::Read(const char* section, const char* key) const
{
    if (m_path.empty())
        return "";
    // A value that fills the buffer may have been cut: read it again in a larger one.
    std::vector<char> buffer(128);
    for (;;) {
        const DWORD n = GetPrivateProfileStringA(section, key, "", buffer.data(), static_cast<DWORD>(buffer.size()),
                                                 m_path.c_str());
        if (n + 1 < buffer.size() || buffer.size() >= (size_t{1} << 26))
            return std::string(buffer.data(), n);
        buffer.resize(buffer.size() * 4);
    }
}

void CSettingsFile::Write(const char* section, const char* key, const std::string& text) const
{
    if (!m_path.empty())
        WritePrivateProfileStringA(section, key, text.c_str(), m_path.c_str());
}

std::optional<double> CSettingsFile::ReadField(const SettingsField& field) const
{
    const std::string text = Read(AQUARIUM_SECTION, field.key);
    if (text.empty())
        return std::nullopt;
    // Every kind is read as an integer.
    return MendFieldValue(field, TextToInt(text));
}

std::optional<int> CSettingsFile::ReadCount(const CountSection& section, int k) const
{
    const std::string text = Read(section.section, CountKey(section, k).c_str());
    if (text.empty())
        return std::nullopt;
    return std::clamp(TextToInt(text), 0, section.readLimit);
}

void CSettingsFile::WriteAquariumSection(const TANKSETTINGS& s) const
{
    for (const SettingsField& field : g_AquariumFields)
        Write(AQUARIUM_SECTION, field.key, FormatFieldValue(field, GetFieldValue(s, field)));
}

void CSettingsFile::WriteCounts(const CountSection& section, const int* counts) const
{
    for (int k = 0; k < section.count; ++k)
        Write(section.section, CountKey(section, k).c_str(), std::to_string(counts[k]));
}

namespace {

// A missing count gets a random 0 or 1, written back.
void ReadStartCounts(const CSettingsFile& file, const CountSection& section)
{
    int* counts = section.counts(g_Settings);
    for (int k = 0; k < section.count; ++k) {
        if (const std::optional<int> count = file.ReadCount(section, k)) {
            counts[k] = *count;
        } else {
            counts[k] = crt::rand() % 2;
            file.Write(section.section, CountKey(section, k).c_str(), std::to_string(counts[k]));
        }
    }
}

}  // namespace

void ReadSettingsFile()
{
    const CSettingsFile file;
    // The keys a first start writes go into the file in one rewrite.
    const CProfileWriteBatch batch(file.Path().c_str());
    TANKSETTINGS s;
    for (const SettingsField& field : g_AquariumFields) {
        if (const std::optional<double> value = file.ReadField(field)) {
            SetFieldValue(s, field, *value);
        } else {
            SetFieldValue(s, field, field.defaultValue);
            file.Write(AQUARIUM_SECTION, field.key, field.defaultText);
        }
    }
    ApplyAquariumSettings(s);

    ReadStartCounts(file, g_FishCountSection);
    ReadStartCounts(file, g_PlantCountSection);
}

TANKSETTINGS ReadAquariumSection(const CSettingsFile& file, const TANKSETTINGS& held)
{
    TANKSETTINGS s = held;
    for (const SettingsField& field : g_AquariumFields)
        SetFieldValue(s, field, file.ReadField(field).value_or(MendFieldValue(field, GetFieldValue(held, field))));
    return s;
}

void ReadCountSection(const CSettingsFile& file, const CountSection& section, int* counts)
{
    for (int k = 0; k < section.count; ++k)
        counts[k] = file.ReadCount(section, k).value_or(std::clamp(counts[k], 0, section.readLimit));
}
