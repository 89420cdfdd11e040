#include "platform/profile.h"

#include "platform/jsonl.h"
#include "support/processor_time.h"
#include "support/scratch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::optional<std::string> ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        names.push_back(entry.path().filename().string());
    return names;
}

// Bytes as readable text for messages: printable ASCII as is, the rest escaped.
std::string Show(const std::string& bytes)
{
    static const char hex[] = "0123456789abcdef";
    std::string out = "\"";
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i == 300) {
            out += "...(" + std::to_string(bytes.size()) + " bytes)";
            break;
        }
        const unsigned char c = bytes[i];
        if (c == '\\' || c == '"')
            out += std::string("\\") + char(c);
        else if (c >= 0x20 && c < 0x7F)
            out += char(c);
        else
            out += std::string("\\x") + hex[c >> 4] + hex[c & 15];
    }
    return out + "\"";
}

// ---------------------------------------------------------------------------
// Reference cases: every case of $INI_ORACLE_DIR/cases.jsonl (the folder from
// INI_ORACLE_DIR, else INI_ORACLE_DIR_DEFAULT) replayed against the functions.

struct OracleCase {
    std::string testName;  // the case name made fit for a test name
    std::string name;
    bool optional = false;
    std::string problem;  // why the case could not be read
    Json data;
};

void PrintTo(const OracleCase& c, std::ostream* out) { *out << c.name; }

std::string OracleFolder()
{
    for (const char* variable : {"INI_ORACLE_DIR", "INI_ORACLE_DIR_DEFAULT"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return value;
    }
    return "";
}

std::string TestNameOf(const std::string& name, bool optional, std::vector<std::string>& taken)
{
    std::string out;
    for (const char c : name)
        out += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    if (out.empty())
        out = "unnamed";
    if (optional)
        out += "_optional";
    std::string unique = out;
    for (int n = 2; std::find(taken.begin(), taken.end(), unique) != taken.end(); ++n)
        unique = out + "_" + std::to_string(n);
    taken.push_back(unique);
    return unique;
}

std::vector<OracleCase> LoadOracleCases()
{
    std::vector<OracleCase> cases;
    const std::string folder = OracleFolder();
    if (folder.empty())
        return cases;
    std::vector<std::string> taken;
    const std::string file = folder + "/cases.jsonl";
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        OracleCase broken;
        broken.testName = TestNameOf("missing_cases_file", false, taken);
        broken.problem = "cannot read " + file;
        cases.push_back(std::move(broken));
        return cases;
    }
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        OracleCase c;
        std::string error;
        std::optional<Json> parsed = ParseJson(line, error);
        const Json* name = parsed ? parsed->Find("name") : nullptr;
        const Json* optional = parsed ? parsed->Find("optional") : nullptr;
        if (!parsed || parsed->type != Json::Type::Object || !name || name->type != Json::Type::String) {
            c.name = "line_" + std::to_string(number);
            c.problem = "line " + std::to_string(number) + " of " + file + ": " + (parsed ? "not a case" : error);
        } else {
            c.name = name->string;
            c.optional = optional && optional->type == Json::Type::Bool && optional->boolean;
            c.data = std::move(*parsed);
        }
        c.testName = TestNameOf(c.name, c.optional, taken);
        cases.push_back(std::move(c));
    }
    return cases;
}

// Replays one case in a fresh folder and lists how the results differ from it.
class Replay {
public:
    explicit Replay(const Json& data) : data_(data) {}

    std::vector<std::string> Run()
    {
        ScratchFolder folder;
        if (folder.path.empty())
            return {"cannot make a scratch folder"};
        path_ = folder.path + "/test.ini";
        const Json* initial = Member(data_, "initial");
        if (initial && initial->type == Json::Type::String)
            WriteBytes(path_, initial->string);
        const Json* ops = Member(data_, "ops");
        if (!ops || ops->type != Json::Type::Array)
            return {"case has no ops"};
        for (size_t i = 0; i < ops->array.size(); ++i) {
            prefix_ = "op " + std::to_string(i) + ": ";
            Operation(ops->array[i]);
        }
        prefix_ = "file: ";
        const Json* expected = Member(data_, "final");
        const std::optional<std::string> actual = ReadBytes(path_);
        if (!expected || expected->type != Json::Type::String) {
            if (actual)
                Differ("should not exist, holds " + Show(*actual));
        } else if (!actual) {
            Differ("missing, should hold " + Show(expected->string));
        } else if (*actual != expected->string) {
            Differ("holds " + Show(*actual) + ", expected " + Show(expected->string));
        }
        for (const std::string& entry : FolderEntries(folder.path)) {
            if (entry != "test.ini")
                Differ("left behind " + entry);
        }
        return differences_;
    }

private:
    static const Json* Member(const Json& object, const char* name)
    {
        static const Json null;
        const Json* found = object.Find(name);
        return found ? found : &null;
    }

    static const char* Text(const Json& object, const char* name)
    {
        const Json* value = Member(object, name);
        return value->type == Json::Type::String ? value->string.c_str() : nullptr;
    }

    void Differ(const std::string& what) { differences_.push_back(prefix_ + what); }

    void Operation(const Json& op)
    {
        const std::string kind = Member(op, "op")->string;
        const char* section = Text(op, "section");
        const char* key = Text(op, "key");
        const int64_t expectedReturn = Member(op, "ret")->integer;
        prefix_ += kind + "(" + (section ? Show(section) : "NULL") + ", " + (key ? Show(key) : "NULL") + "): ";
        if (kind == "GetPrivateProfileStringA") {
            const int64_t size = Member(op, "size")->integer;
            if (size < 0 || size > (int64_t(1) << 24))
                return Differ("unusable size " + std::to_string(size));
            // Guard bytes after the buffer catch writes past its end.
            const size_t guard = 64;
            std::string buffer(static_cast<size_t>(size) + guard, '\xAA');
            const DWORD result = GetPrivateProfileStringA(section, key, Text(op, "default"), buffer.data(),
                                                          static_cast<DWORD>(size), path_.c_str());
            if (result != expectedReturn)
                Differ("returned " + std::to_string(result) + ", expected " + std::to_string(expectedReturn));
            const std::string& expected = Member(op, "buf")->string;
            if (buffer.compare(0, expected.size(), expected) != 0)
                Differ("buffer " + Show(buffer.substr(0, expected.size())) + ", expected " + Show(expected));
            if (buffer.find_first_not_of('\xAA', static_cast<size_t>(size)) != std::string::npos)
                Differ("wrote past the end of the buffer");
        } else if (kind == "GetPrivateProfileIntA") {
            const UINT result = GetPrivateProfileIntA(section, key, static_cast<int>(Member(op, "default")->integer),
                                                      path_.c_str());
            if (static_cast<int32_t>(result) != expectedReturn)
                Differ("returned " + std::to_string(static_cast<int32_t>(result)) + ", expected " +
                       std::to_string(expectedReturn));
        } else if (kind == "WritePrivateProfileStringA") {
            const BOOL result = WritePrivateProfileStringA(section, key, Text(op, "value"), path_.c_str());
            if ((result != 0 ? 1 : 0) != expectedReturn)
                Differ("returned " + std::to_string(result) + ", expected " + std::to_string(expectedReturn));
        } else {
            Differ("unknown operation");
        }
        prefix_.clear();
    }

    const Json& data_;
    std::string path_;
    std::string prefix_;
    std::vector<std::string> differences_;
};

class IniOracle : public ::testing::TestWithParam<OracleCase> {};
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(IniOracle);

TEST_P(IniOracle, Case)
{
    const OracleCase& c = GetParam();
    ASSERT_TRUE(c.problem.empty()) << c.problem;
    const std::vector<std::string> differences = Replay(c.data).Run();
    if (differences.empty())
        return;
    std::string report = c.name + ":";
    for (const std::string& difference : differences)
        report += "\n  " + difference;
    // Optional cases record quirks where the real system may differ: shown, never failed.
    if (c.optional)
        GTEST_SKIP() << "optional case differs (allowed): " << report;
    ADD_FAILURE() << report;
}

INSTANTIATE_TEST_SUITE_P(Cases, IniOracle, ::testing::ValuesIn(LoadOracleCases()),
                         [](const ::testing::TestParamInfo<OracleCase>& info) { return info.param.testName; });

TEST(IniOracleData, Found)
{
    if (OracleFolder().empty())
        GTEST_SKIP() << "no reference cases: set INI_ORACLE_DIR to the folder holding cases.jsonl";
}

// ---------------------------------------------------------------------------
// Beyond the reference cases: failures, sizes and encodings it does not cover.

class ProfileFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(folder.path.empty()); }

    struct Read {
        DWORD result;
        std::string buffer;  // size bytes plus guard bytes, 0xAA where untouched
    };

    static constexpr size_t kGuard = 16;

    Read Get(const char* section, const char* key, const char* defaultText, DWORD size) const
    {
        Read read{0, std::string(size + kGuard, '\xAA')};
        read.result = GetPrivateProfileStringA(section, key, defaultText, read.buffer.data(), size, path.c_str());
        return read;
    }

    // The returned text of a read with a buffer that is surely large enough.
    std::string Value(const char* section, const char* key) const
    {
        std::string buffer(1 << 22, '\xAA');
        const DWORD n = GetPrivateProfileStringA(section, key, "(default)", buffer.data(),
                                                 static_cast<DWORD>(buffer.size()), path.c_str());
        return buffer.substr(0, n);
    }

    ScratchFolder folder;
    std::string path = folder.path + "/settings.ini";
};

TEST_F(ProfileFile, WriteToAPlaceThatCannotHoldAFileFails)
{
    WriteBytes(folder.path + "/plain", "x");
    fs::create_directory(folder.path + "/dir.ini");
    for (const std::string& place :
         {folder.path + "/no-such-folder/a.ini", folder.path + "/plain/a.ini", folder.path + "/dir.ini"}) {
        SCOPED_TRACE(place);
        EXPECT_EQ(WritePrivateProfileStringA("S", "k", "v", place.c_str()), FALSE);
        char buffer[8];
        EXPECT_EQ(GetPrivateProfileStringA("S", "k", "dflt", buffer, sizeof buffer, place.c_str()), 4u);
        EXPECT_STREQ(buffer, "dflt");
        EXPECT_EQ(GetPrivateProfileIntA("S", "k", 7, place.c_str()), 7u);
    }
    EXPECT_EQ(FolderEntries(folder.path).size(), 2u);
    EXPECT_TRUE(fs::is_empty(folder.path + "/dir.ini"));
}

TEST_F(ProfileFile, ReadOnlyFileIsLeftAlone)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permission bits do not bind root";
    WriteBytes(path, "[S]\r\nk=1\r\n");
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    EXPECT_EQ(WritePrivateProfileStringA("S", "k", "2", path.c_str()), FALSE);
    EXPECT_EQ(WritePrivateProfileStringA("S", "k", "1", path.c_str()), TRUE) << "nothing to change";
    EXPECT_EQ(ReadBytes(path), "[S]\r\nk=1\r\n");
    EXPECT_EQ(FolderEntries(folder.path).size(), 1u);
}

TEST_F(ProfileFile, FailedRewriteKeepsTheOldFile)
{
    const std::string original = "[S]\r\nk=1\r\n";
    WriteBytes(path, original);
    // Files may not grow past 64 bytes while the value is written.
    rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const BOOL written = WritePrivateProfileStringA("S", "k", std::string(1000, 'x').c_str(), path.c_str());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(written, FALSE);
    EXPECT_EQ(ReadBytes(path), original);
    EXPECT_EQ(FolderEntries(folder.path), std::vector<std::string>{"settings.ini"});
}

TEST_F(ProfileFile, RewriteKeepsPermissionsAndLinks)
{
    WriteBytes(path, "[S]\r\nk=1\r\n");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    const std::string link = folder.path + "/link.ini";
    fs::create_symlink(path, link);
    // A rewrite keeps the file's mode whatever the umask; a new file follows the umask.
    const mode_t oldMask = umask(077);
    const BOOL written = WritePrivateProfileStringA("S", "k", "2", link.c_str());
    umask(027);
    const std::string fresh = folder.path + "/fresh.ini";
    const BOOL created = WritePrivateProfileStringA("S", "k", "1", fresh.c_str());
    umask(oldMask);

    ASSERT_EQ(written, TRUE);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(path), "[S]\r\nk=2\r\n");
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(created, TRUE);
    ASSERT_EQ(stat(fresh.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(ProfileFile, HugeLinesAndNulBytes)
{
    using namespace std::string_literals;
    const std::string huge(3'000'000, 'v');
    WriteBytes(path, "[S]\r\nk="s + huge + "\r\nn=ab\0cd\r\n[T\0U]\r\nt=2\r\nj=1"s + huge);
    const Read cut = Get("S", "k", "", 8192);
    EXPECT_EQ(cut.result, 8191u);
    EXPECT_TRUE(cut.buffer.substr(0, 8192) == std::string(8191, 'v') + '\0');
    EXPECT_EQ(cut.buffer.substr(8192), std::string(kGuard, '\xAA'));
    // Compared with EXPECT_TRUE: a failure would print megabytes.
    EXPECT_TRUE(Value("S", "k") == huge);
    EXPECT_EQ(Value("S", "n"), "ab") << "a value ends at a NUL";
    EXPECT_EQ(Value("T", "t"), "2") << "a section name ends at a NUL";
    EXPECT_TRUE(Value("T", "j") == "1" + huge) << "the last line has no line end";

    // A rewrite keeps the huge lines whole.
    ASSERT_EQ(WritePrivateProfileStringA("S", "new", huge.c_str(), path.c_str()), TRUE);
    EXPECT_TRUE(Value("S", "new") == huge);
    EXPECT_TRUE(Value("S", "k") == huge);
}

TEST_F(ProfileFile, SmallBuffersAreNeverOverrun)
{
    WriteBytes(path, "[Section]\r\nkey=value\r\nquoted=\"abc\"\r\nother=1\r\n[Next]\r\n");
    struct Call {
        const char* section;
        const char* key;
        const char* defaultText;
    };
    const Call calls[] = {
        {"Section", "key", "dflt"},   {"Section", "quoted", "dflt"}, {"Section", "none", "dflt"},
        {"Section", nullptr, "dflt"}, {"None", nullptr, "dflt"},      {nullptr, nullptr, "dflt"},
    };
    for (const Call& call : calls) {
        for (DWORD size = 0; size <= 4; ++size) {
            SCOPED_TRACE(std::string(call.section ? call.section : "NULL") + "/" + (call.key ? call.key : "NULL") +
                         " size " + std::to_string(size));
            const Read read = Get(call.section, call.key, call.defaultText, size);
            EXPECT_EQ(read.buffer.substr(size), std::string(kGuard, '\xAA'));
            if (size == 0) {
                EXPECT_EQ(read.result, 0u);
                continue;
            }
            ASSERT_LT(read.result, size);
            EXPECT_EQ(read.buffer[read.result], '\0');
        }
    }
}

// Text below U+10000 in the encoding a byte-order mark names, the mark first.
std::string Encoded(const std::string& mark, const std::u16string& text)
{
    std::string out = mark;
    for (const char16_t c : text) {
        if (mark == "\xFF\xFE" || mark == "\xFE\xFF") {
            const char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xFF);
            out += mark == "\xFF\xFE" ? low : high;
            out += mark == "\xFF\xFE" ? high : low;
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

TEST_F(ProfileFile, FilesWithAByteOrderMarkKeepTheirEncoding)
{
    for (const std::string mark : {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"}) {
        SCOPED_TRACE(Show(mark));
        WriteBytes(path, Encoded(mark, u"[S\u00e9]\r\nk=caf\u00e9\r\nz=\u4e2d\u20ac\r\n"));
        EXPECT_EQ(Value("S\xe9", "k"), "caf\xe9");
        EXPECT_EQ(Value("S\xe9", "z"), "?\x80") << "a character code page 1252 lacks reads as '?'";
        ASSERT_EQ(WritePrivateProfileStringA("S\xe9", "n", "\xfc\x80", path.c_str()), TRUE);
        EXPECT_EQ(ReadBytes(path),
                  Encoded(mark, u"[S\u00e9]\r\nk=caf\u00e9\r\nz=\u4e2d\u20ac\r\nn=\u00fc\u20ac\r\n"));
    }
}

// ---------------------------------------------------------------------------
// Hostile files: never a blocking open, never an unbounded read, one line on
// standard error, nothing written.

TEST_F(ProfileFile, FilesThatAreNotPlainSettingsAreIgnoredAndLeftAlone)
{
    struct Case {
        const char* name;
        std::function<void(const std::string&)> make;
        const char* why;
    };
    const Case cases[] = {
        {"a FIFO", [](const std::string& p) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); }, "not a regular file"},
        {"a link to /dev/zero", [](const std::string& p) { fs::create_symlink("/dev/zero", p); },
         "not a regular file"},
        {"a file above the size limit",
         [](const std::string& p) {
             WriteBytes(p, "[S]\r\nk=1\r\n");
             fs::resize_file(p, (32u << 20) + 1);  // sparse: costs no disk
         },
         "larger than 32 MiB"},
    };
    // A blocking open or an endless read fails the test instead of hanging it.
    alarm(60);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = folder.path + "/" + std::to_string(&c - cases) + ".ini";
        c.make(file);
        const auto before = fs::symlink_status(file);
        ::testing::internal::CaptureStderr();
        for (int i = 0; i < 3; ++i) {
            char buffer[16];
            EXPECT_EQ(GetPrivateProfileStringA("S", "k", "dflt", buffer, sizeof buffer, file.c_str()), 4u);
            EXPECT_STREQ(buffer, "dflt");
            EXPECT_EQ(GetPrivateProfileIntA("S", "k", 7, file.c_str()), 7u);
            EXPECT_EQ(WritePrivateProfileStringA("S", "k", "2", file.c_str()), FALSE);
        }
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_NE(said.find(file + " is ignored: " + c.why), std::string::npos) << said;
        EXPECT_EQ(fs::symlink_status(file).type(), before.type());
    }
    alarm(0);
    EXPECT_EQ(FolderEntries(folder.path).size(), std::size(cases)) << "nothing written beside them";
}

TEST_F(ProfileFile, DanglingLinksAreWrittenThrough)
{
    fs::create_directory(folder.path + "/dotfiles");
    struct Case {
        const char* link;
        const char* target;  // as the link holds it
        const char* file;    // what the write must create
    };
    const Case cases[] = {
        {"relative.ini", "dotfiles/relative.ini", "dotfiles/relative.ini"},
        {"absolute.ini", "", "dotfiles/absolute.ini"},  // target: the absolute path of file
        {"chain.ini", "chain2.ini", "dotfiles/chain.ini"},
    };
    fs::create_symlink("dotfiles/chain.ini", folder.path + "/chain2.ini");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.link);
        const std::string link = folder.path + "/" + c.link;
        const std::string target = *c.target ? c.target : folder.path + "/" + c.file;
        fs::create_symlink(target, link);
        ASSERT_EQ(WritePrivateProfileStringA("S", "k", "1", link.c_str()), TRUE);
        ASSERT_EQ(WritePrivateProfileStringA("S", "n", "2", link.c_str()), TRUE);
        EXPECT_TRUE(fs::is_symlink(link));
        EXPECT_EQ(fs::read_symlink(link), target);
        EXPECT_EQ(ReadBytes(folder.path + "/" + c.file), "[S]\r\nk=1\r\nn=2\r\n");
    }
    // A link into a folder that is not there: the write fails, nothing is made.
    const std::string lost = folder.path + "/lost.ini";
    fs::create_symlink("no-such-folder/lost.ini", lost);
    EXPECT_EQ(WritePrivateProfileStringA("S", "k", "1", lost.c_str()), FALSE);
    EXPECT_TRUE(fs::is_symlink(lost));
    EXPECT_FALSE(fs::exists(folder.path + "/no-such-folder"));
    EXPECT_EQ(FolderEntries(folder.path + "/dotfiles").size(), 3u);
}

// A process id that is surely not running: a child that has ended and been reaped.
pid_t DeadProcess()
{
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    int status = 0;
    waitpid(child, &status, 0);
    return child;
}

TEST_F(ProfileFile, StaleTemporaryFilesOfEndedProcessesAreRemoved)
{
    WriteBytes(path, "[S]\r\nk=1\r\n");
    const std::string dead = std::to_string(DeadProcess());
    const std::string alive = std::to_string(getppid());
    const std::vector<std::pair<std::string, bool>> files = {
        {".settings.ini." + dead + "-0.tmp", false},
        {".settings.ini." + dead + "-17.tmp", false},
        {".settings.ini." + alive + "-0.tmp", true},  // its owner may still rename it
        {".settings.ini." + dead + "-x.tmp", true},   // not a name of ours
        {".settings.ini." + dead + ".tmp", true},
        {".other.ini." + dead + "-0.tmp", true},      // another file's
        {"settings.ini." + dead + "-0.tmp", true},
    };
    for (const auto& [name, kept] : files)
        WriteBytes(folder.path + "/" + name, "partial");
    // The first look at the file clears them away.
    EXPECT_EQ(GetPrivateProfileIntA("S", "k", 0, path.c_str()), 1u);
    for (const auto& [name, kept] : files)
        EXPECT_EQ(fs::exists(folder.path + "/" + name), kept) << name;
    ASSERT_EQ(WritePrivateProfileStringA("S", "k", "2", path.c_str()), TRUE);
    EXPECT_EQ(FolderEntries(folder.path).size(), 1 + 5u) << "a rewrite leaves no file of its own";
}

// The same settings with each kind of line end, and all three mixed.
TEST_F(ProfileFile, LoneCarriageReturnEndsALineLikeLineFeedAndBoth)
{
    const std::vector<std::string> lines = {"[First]", "a=1", "b = two ", "; note", "[Second]", "c=3", "[Third]",
                                            "d=4"};
    const std::string normal = "[First]\r\na=1\r\nb=two\r\n; note\r\n[Second]\r\nc=3\r\n[Third]\r\nd=4\r\n";
    struct Case {
        const char* name;
        std::vector<const char*> ends;  // used in turn
    };
    const Case cases[] = {
        {"CR LF", {"\r\n"}},         {"LF", {"\n"}},
        {"CR", {"\r"}},              {"mixed", {"\r", "\n", "\r\n"}},
        {"mixed, CR last", {"\n", "\r\n", "\r"}}, {"CR CR LF", {"\r\r\n"}},
        {"LF CR", {"\n\r"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text;
        for (size_t i = 0; i < lines.size(); ++i)
            text += lines[i] + c.ends[i % c.ends.size()];
        WriteBytes(path, text);
        EXPECT_EQ(Value(nullptr, nullptr), std::string("First\0Second\0Third\0", 19));
        EXPECT_EQ(Value("First", nullptr), std::string("a\0b\0", 4));
        EXPECT_EQ(Value("First", "b"), "two");
        EXPECT_EQ(Value("Second", "c"), "3");
        EXPECT_EQ(Value("Third", "d"), "4");
        EXPECT_EQ(GetPrivateProfileIntA("Third", "d", 0, path.c_str()), 4u);
        // A rewrite puts every line end in the normal form.
        ASSERT_EQ(WritePrivateProfileStringA("Second", "e", "5", path.c_str()), TRUE);
        std::string expected = normal;
        expected.insert(expected.find("[Third]"), "e=5\r\n");
        EXPECT_EQ(ReadBytes(path), expected);
    }
}

// ---------------------------------------------------------------------------
// The parsed form is kept between calls: what the calls give must stay what a
// fresh read of the file gives.

// Everything the read functions tell about a file: the section list, and per
// section its key list and each key's value.
std::string Everything(const std::string& file)
{
    auto read = [&](const char* section, const char* key) {
        std::string buffer(1 << 16, '\0');
        const DWORD n = GetPrivateProfileStringA(section, key, "<none>", buffer.data(),
                                                 static_cast<DWORD>(buffer.size()), file.c_str());
        return buffer.substr(0, n);
    };
    // The names of a list, each ended by a NUL; a list with none reads as the default.
    auto names = [](const std::string& list) {
        std::vector<std::string> out;
        for (size_t at = 0, end; (end = list.find('\0', at)) != std::string::npos; at = end + 1)
            out.push_back(list.substr(at, end - at));
        return out;
    };
    std::string out;
    for (const std::string& section : names(read(nullptr, nullptr))) {
        out += "[" + section + "]\n";
        for (const std::string& key : names(read(section.c_str(), nullptr)))
            out += key + "=" + read(section.c_str(), key.c_str()) + "\n";
    }
    return out;
}

struct ProfileWrite {
    const char* section;
    const char* key;
    const char* value;
};

// Writes of every kind, with names and values that the normal form changes.
const ProfileWrite kTrickyWrites[] = {
        {"S", "plain", "1"},
        {"S", "  key with blanks \t", "  value with blanks \t "},
        {"S", "k", "line\r\ninjected=1"},
        {"S", "cr", "a\rb=2"},
        {"S", "[looks like a section]", "x"},
        {"S", "[half", "y"},
        {"S", "k=v", "w"},
        {"S", "ctrl", "z\x1a"},
        {"  New section  ", "n", "1"},
        {"a]b", "n", "2"},
        {"", "nameless", "3"},
        {"S", "plain", "changed"},
        {"S", "plain", nullptr},
        {"Empty named", nullptr, nullptr},
        {"S", nullptr, nullptr},
        {"T", "after", "deletions"},
};

const std::string kStartingFiles[] = {
    "",
    "top=1\r\n[S]\r\nold=1\r\n[]\r\nunder empty name=1\r\n[Empty named]\r\ne=1\r\n",
    "\xEF\xBB\xBF[S]\r\nold=\xC3\xA9\r\n",
    "[S]\rold=1\r[T]\nt=1",
};

TEST_F(ProfileFile, WhatIsKeptBetweenCallsIsWhatTheFileReadsAs)
{
    int copies = 0;
    for (const std::string& start : kStartingFiles) {
        SCOPED_TRACE(Show(start));
        WriteBytes(path, start);
        for (const ProfileWrite& w : kTrickyWrites) {
            SCOPED_TRACE(std::string(w.section) + "/" + (w.key ? w.key : "NULL") + "=" + (w.value ? w.value : "NULL"));
            EXPECT_EQ(WritePrivateProfileStringA(w.section, w.key, w.value, path.c_str()), TRUE);
            const std::string kept = Everything(path);
            // A copy under a name never read before is read afresh.
            const std::string fresh = folder.path + "/fresh" + std::to_string(++copies) + ".ini";
            fs::copy_file(path, fresh);
            EXPECT_EQ(kept, Everything(fresh));
            fs::remove(fresh);
        }
    }
}

// A batch gives the file and every read in between what the same writes give
// one by one.
TEST_F(ProfileFile, BatchedWritesReadAndEndAsWritesOneByOne)
{
    const std::string batched = folder.path + "/batched.ini";
    for (const std::string& start : kStartingFiles) {
        SCOPED_TRACE(Show(start));
        WriteBytes(path, start);
        WriteBytes(batched, start);
        {
            const CProfileWriteBatch batch(batched.c_str());
            const CProfileWriteBatch nested(batched.c_str());
            for (const ProfileWrite& w : kTrickyWrites) {
                SCOPED_TRACE(std::string(w.section) + "/" + (w.key ? w.key : "NULL") + "=" + (w.value ? w.value : "NULL"));
                EXPECT_EQ(WritePrivateProfileStringA(w.section, w.key, w.value, path.c_str()), TRUE);
                EXPECT_EQ(WritePrivateProfileStringA(w.section, w.key, w.value, batched.c_str()), TRUE);
                EXPECT_EQ(Everything(batched), Everything(path));
            }
        }
        EXPECT_EQ(ReadBytes(batched), ReadBytes(path));
        EXPECT_EQ(Everything(batched), Everything(path));
    }
}

// The settings keys of a first start cost one rewrite of the file.
TEST_F(ProfileFile, ABatchRewritesTheFileOnce)
{
    WriteBytes(path, "[Other]\r\nline=1\r\n");
    struct stat before {};
    ASSERT_EQ(stat(path.c_str(), &before), 0);
    {
        const CProfileWriteBatch batch(path.c_str());
        for (int k = 0; k < 66; ++k) {
            const std::string key = "Key" + std::to_string(k);
            WritePrivateProfileStringA("Aquarium Settings", key.c_str(), "1", path.c_str());
            struct stat during {};
            ASSERT_EQ(stat(path.c_str(), &during), 0);
            EXPECT_EQ(during.st_ino, before.st_ino) << "rewritten at key " << k;
        }
        EXPECT_EQ(Value("Aquarium Settings", "Key65"), "1");
    }
    struct stat after {};
    ASSERT_EQ(stat(path.c_str(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino);
    EXPECT_EQ(Value("Aquarium Settings", "Key0"), "1");
    EXPECT_EQ(Value("Other", "line"), "1");
}

// A file changed in place within one tick of the clock keeps its size and its
// times: its bytes must still be looked at.
TEST_F(ProfileFile, ChangesMadeElsewhereAreSeenAtOnce)
{
    for (int i = 0; i < 50; ++i) {
        const std::string value = std::to_string(i % 10);
        WriteBytes(path, "[S]\r\nk=" + value + "\r\n");  // in place: the same file, the same size
        ASSERT_EQ(Value("S", "k"), value) << "round " << i;
        ASSERT_EQ(WritePrivateProfileStringA("S", "w", value.c_str(), path.c_str()), TRUE);
        const std::string other = std::to_string((i + 5) % 10);
        {
            std::fstream inPlace(path, std::ios::in | std::ios::out | std::ios::binary);
            inPlace.seekp(7);
            inPlace << other;
        }
        ASSERT_EQ(Value("S", "k"), other) << "round " << i << ", after our own rewrite";
    }
}


// ---------------------------------------------------------------------------
// Long lists and the size limit.

TEST_F(ProfileFile, ListsOfAHundredThousandKeysReadAndWriteInLinearTime)
{
    constexpr int kKeys = 100000;
    // The keys in the order a list writes them, after a few others, in a
    // file whose other sections come first and after.
    std::string bytes = "[Before]\r\na=1\r\n[List]\r\nSum=" + std::to_string(kKeys) + "\r\n";
    for (int i = 0; i < kKeys; ++i)
        bytes += "Item" + std::to_string(i) + "=/music/track " + std::to_string(i) + ".ogg\r\n";
    bytes += "[After]\r\nb=2\r\n";
    WriteBytes(path, bytes);

    const double start = ProcessorSeconds();
    char buffer[128];
    int right = 0;
    for (int i = kKeys - 1; i >= 0; --i) {  // the last first: a scan from the top would cost most
        const std::string key = "ITEM" + std::to_string(i);
        GetPrivateProfileStringA("list", key.c_str(), "", buffer, sizeof buffer, path.c_str());
        right += std::string(buffer) == "/music/track " + std::to_string(i) + ".ogg";
    }
    EXPECT_EQ(right, kKeys);
    {
        // A save: every key written again (unchanged), then every key changed.
        const CProfileWriteBatch batch(path.c_str());
        for (int round = 0; round < 2; ++round)
            for (int i = 0; i < kKeys; ++i) {
                const std::string key = "Item" + std::to_string(i);
                const std::string value = "/music/" + std::string(round ? "new " : "track ") + std::to_string(i) + ".ogg";
                ASSERT_EQ(WritePrivateProfileStringA("List", key.c_str(), value.c_str(), path.c_str()), TRUE);
            }
        // New keys at the end of a section that has many.
        for (int i = kKeys; i < kKeys + 1000; ++i)
            WritePrivateProfileStringA("List", ("Item" + std::to_string(i)).c_str(), "x", path.c_str());
    }
    const double spent = ProcessorSeconds() - start;
    EXPECT_LT(spent, 60.0) << "a scan per key";

    GetPrivateProfileStringA("List", "Item99999", "", buffer, sizeof buffer, path.c_str());
    EXPECT_STREQ(buffer, "/music/new 99999.ogg");
    GetPrivateProfileStringA("List", "Item100999", "", buffer, sizeof buffer, path.c_str());
    EXPECT_STREQ(buffer, "x");
    EXPECT_EQ(Value("After", "b"), "2");
    const std::string written = ReadBytes(path).value_or("");
    EXPECT_LT(written.find("Item100999=x\r\n"), written.find("[After]")) << "new keys end their own section";
}

// The first key of a name is the one read, also after keys before it of
// other names go and the same name comes again.
TEST_F(ProfileFile, TheFirstOfTwoKeysOfOneNameIsTheOneReadAfterChanges)
{
    WriteBytes(path, "[S]\r\nx=1\r\nk=first\r\nK=second\r\n[s]\r\nk=other section\r\n");
    EXPECT_EQ(Value("S", "k"), "first");
    ASSERT_EQ(WritePrivateProfileStringA("S", "x", nullptr, path.c_str()), TRUE);
    EXPECT_EQ(Value("S", "k"), "first");
    ASSERT_EQ(WritePrivateProfileStringA("S", "k", nullptr, path.c_str()), TRUE);
    EXPECT_EQ(Value("S", "k"), "second");
    ASSERT_EQ(WritePrivateProfileStringA("S", nullptr, nullptr, path.c_str()), TRUE);
    EXPECT_EQ(Value("S", "k"), "other section");
    ASSERT_EQ(WritePrivateProfileStringA("S", "k ", "trimmed name", path.c_str()), TRUE);
    EXPECT_EQ(Value("S", "k"), "trimmed name");
    ASSERT_EQ(WritePrivateProfileStringA("S", "new  ", "v", path.c_str()), TRUE);
    EXPECT_EQ(Value("s", "NEW"), "v");
    EXPECT_EQ(ReadBytes(path), "[s]\r\nk=trimmed name\r\nnew  =v\r\n") << "a written name keeps its blanks";
}

// The game never makes a file that every later start would ignore.
TEST_F(ProfileFile, AWriteThatWouldPassTheSizeLimitIsRefusedAndTheFileStaysReadable)
{
    constexpr size_t kLimit = size_t(32) << 20;
    const std::string head = "[Keep]\r\nkey=kept\r\n[Pad]\r\n";
    const std::string tail = "[List]\r\nSum=0\r\n";
    // Padding lines of 1 KiB up to 200 bytes below the limit.
    std::string bytes = head;
    const std::string line = "p=" + std::string(1020, 'x') + "\r\n";
    while (bytes.size() + line.size() + tail.size() + 200 <= kLimit)
        bytes += line;
    bytes += "q=" + std::string(kLimit - 200 - bytes.size() - tail.size() - 4, 'y') + "\r\n";
    bytes += tail;
    ASSERT_EQ(bytes.size(), kLimit - 200);

    struct Case {
        const char* name;
        bool batched;
    };
    for (const Case& c : {Case{"one by one", false}, Case{"in a batch", true}}) {
        SCOPED_TRACE(c.name);
        const std::string path = folder.path + (c.batched ? "/batched.ini" : "/single.ini");
        const auto Value = [&path](const char* section, const char* key) {
            char buffer[64];
            const DWORD n = GetPrivateProfileStringA(section, key, "(default)", buffer, sizeof buffer, path.c_str());
            return std::string(buffer, n);
        };
        WriteBytes(path, bytes);
        ::testing::internal::CaptureStderr();
        int accepted = 0;
        {
            std::optional<CProfileWriteBatch> batch;
            if (c.batched)
                batch.emplace(path.c_str());
            // Entries of 30 bytes each: six fit, the seventh would not.
            for (int i = 0; i < 10; ++i) {
                const std::string key = "Entry" + std::to_string(i);
                const std::string value = std::string(20, char('a' + i));
                accepted += WritePrivateProfileStringA("List", key.c_str(), value.c_str(), path.c_str()) == TRUE;
            }
            // A change that makes the file smaller is still taken.
            EXPECT_EQ(WritePrivateProfileStringA("List", "Sum", "", path.c_str()), TRUE);
        }
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(accepted, 6);
        const std::string written = ReadBytes(path).value_or("");
        EXPECT_LE(written.size(), kLimit);
        EXPECT_EQ(Value("Keep", "key"), "kept") << "the file is still read";
        EXPECT_EQ(Value("List", "Entry5"), std::string(20, 'f'));
        EXPECT_EQ(Value("List", "Entry6"), "(default)");
        EXPECT_EQ(Value("List", "Sum"), "");
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << "told once: " << said;
        EXPECT_NE(said.find(path + " is not written"), std::string::npos) << said;
    }
}

TEST(ProfileValues, ValuesAreKeptByteForByteThroughAWriteAndARead)
{
    ScratchFolder folder;
    const std::string path = folder.path + "/exact.ini";
    const std::string values[] = {
        "/pictures/ends in a space ",  " starts with a space",    "\ttab at both ends\t",
        "\"quoted\"",                  "'single quoted'",         "\"only the start",
        "only the end\"",              "\"",                      "'mixed\"",
        "",                            "plain",                   "\"\"",
        "  ",                          "caf\xE9 \xC3\xA9t\xC3\xA9", "ends in ctrl-z\x1A",
    };
    for (const std::string& value : values) {
        SCOPED_TRACE(value);
        std::string written;
        ASSERT_TRUE(KeepExactProfileValue(value, written));
        ASSERT_EQ(WritePrivateProfileStringA("S", "k", written.c_str(), path.c_str()), TRUE);
        char buffer[256];
        const DWORD n = GetPrivateProfileStringA("S", "k", "(default)", buffer, sizeof buffer, path.c_str());
        EXPECT_EQ(std::string(buffer, n), value);
    }
    std::string unused;
    for (const std::string& value : {std::string("line\nbreak"), std::string("carriage\rreturn"),
                                     std::string("nul\0byte", 8)})
        EXPECT_FALSE(KeepExactProfileValue(value, unused)) << Show(value);
}

}  // namespace
