// The settings file, Quenmarl.ini: where it is, how its texts become values,
// and the readers and writers of its sections. The game at start and every
// dialog read it through these, so that one file gives them one set of values.
#pragma once
#include "settings/settings.h"

#include <optional>
#include <string>

// The number in a settings text as every reader takes it: leading blanks, a
// sign, the digits up to the first other character (0 when there are none),
// held to the range of int instead of overflowing.
int TextToInt(const std::string& text);

// The settings file: Quenmarl.ini in the settings folder, else in the fallback
// folder (a private place of the user that later runs find again). Empty when
// there is neither (reported once with a message box); the settings then keep
// their defaults and nothing is written.
std::string GetSettingsFilePath();

// The settings file as one load or save sees it: its path is asked once, when
// the object is made. Values are read whole, however long.
class CSettingsFile {
public:
    CSettingsFile();
    // The value of the key; empty when the key is missing or empty, or when
    // there is no settings file.
    std::string Read(const char* section, const char* key) const;
    // Failed writes are ignored.
    void Write(const char* section, const char* key, const std::string& text) const;
    const std::string& Path() const { return m_path; }

    // An aquarium field: the number of its text as the block takes it
    // (MendFieldValue; a phase keeps only its whole part). None when the key
    // is missing or empty.
    std::optional<double> ReadField(const SettingsField& field) const;
    // Count k of a count section: the number of its text held to
    // 0..readLimit. None when the key is missing or empty.
    std::optional<int> ReadCount(const CountSection& section, int k) const;

    // Every aquarium field of the record, as FormatFieldValue writes it.
    void WriteAquariumSection(const TANKSETTINGS& s) const;
    // Every count of the section, "%d".
    void WriteCounts(const CountSection& section, const int* counts) const;

private:
    std::string m_path;
};

// Start-up: fills g_Settings from the settings file and writes the missing
// keys back with their defaults (missing counts get a random 0 or 1 from
// crt::rand, fish keys first). The text of present keys is kept.
void ReadSettingsFile();

// What a dialog shows when it opens: the section's values as the start-up
// reader takes them, and for a key the file lacks the value held (the
// tank's), mended as the block takes it. Nothing is written.
TANKSETTINGS ReadAquariumSection(const CSettingsFile& file, const TANKSETTINGS& held);
// `counts` holds the section's counts on the way in and leaves with the
// file's, as the start-up reader takes them.
void ReadCountSection(const CSettingsFile& file, const CountSection& section, int* counts);
