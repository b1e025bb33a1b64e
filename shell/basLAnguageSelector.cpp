#include "shell/basLAnguageSelector.h"

#include "shell/core/LanguageFile.h"
#include "shell/core/Paths.h"
#include "ui/Effects.h"
#include "ui/Form.h"
#include "ui/core/NumberText.h"
#include "ui/win/Handles.h"
#include "ui/win/Text.h"

#include <memory>
#include <optional>

namespace basLAnguageSelector {

namespace {

// What identifies one state of a file without reading it: its path, the file
// object itself (volume and index, so a file replaced by another is noticed),
// its size and its last write time.
struct FileStamp {
    std::wstring path;
    DWORD volume = 0;
    std::uint64_t index = 0;
    std::uint64_t size = 0;
    std::uint64_t lastWrite = 0;

    bool operator==(const FileStamp&) const = default;
};

std::uint64_t Combine(DWORD high, DWORD low)
{
    return (static_cast<std::uint64_t>(high) << 32) | low;
}

// The parse of the file last read. Opening the file is still needed to use
// it, so that a file that has gone, is locked or can no longer be read fails
// exactly as a full read would; only the reading and parsing are saved while
// the stamp stays the same. The language pass reads one file, so one parse is
// enough. Lookups run on the user-interface thread only.
struct CachedParse {
    std::optional<FileStamp> stamp;  // none when the system gave no file information
    std::shared_ptr<const language::ParsedFile> parsed;
};

std::optional<CachedParse>& Cache()
{
    static std::optional<CachedParse> cache;
    return cache;
}

// Missing: no such file, or nothing that may be read as a language file.
enum class ReadFailure { None, Missing, Other };

// Missing when the file holds more than a language file may: it may have grown since its size was taken.
ReadFailure ReadToEnd(HANDLE file, std::string& bytes)
{
    char chunk[16 * 1024];
    for (;;) {
        DWORD read = 0;
        if (!::ReadFile(file, chunk, sizeof chunk, &read, nullptr))
            return ReadFailure::Other;
        if (read == 0)
            return ReadFailure::None;
        if (read > language::kMaxFileSize - bytes.size())
            return ReadFailure::Missing;
        bytes.append(chunk, read);
    }
}

// The language file of that name at its path beside the program, open for
// reading. Only a plain name is opened, and only a file on a disk is kept: any
// program of the user may store the name, and a device such as COM1 may never
// answer a read and so hold up every start.
win::unique_hfile OpenLanguageFile(const std::wstring& fileName, const std::wstring& path, ReadFailure& failure)
{
    if (!language::IsPlainFileName(fileName)) {
        failure = ReadFailure::Missing;
        return {};
    }
    // A folder opens too, so that it is told apart from a file that is locked.
    win::unique_hfile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                         OPEN_EXISTING,
                                         FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN | FILE_FLAG_BACKUP_SEMANTICS,
                                         nullptr));
    if (!file) {
        const DWORD error = ::GetLastError();
        failure = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? ReadFailure::Missing
                                                                                 : ReadFailure::Other;
        return {};
    }
    if (::GetFileType(file.get()) != FILE_TYPE_DISK) {
        failure = ReadFailure::Missing;
        return {};
    }
    return file;
}

// The parse of the language file as it is now, from the cache when its stamp is unchanged.
std::shared_ptr<const language::ParsedFile> CurrentParse(const std::wstring& fileName, ReadFailure& failure)
{
    auto& cache = Cache();
    const std::wstring path = paths::InProgramFolder(effects::Current().ProgramFolder(), fileName);
    win::unique_hfile file = OpenLanguageFile(fileName, path, failure);
    if (!file) {
        cache.reset();
        return nullptr;
    }

    // Taken before reading, so that a change made while we read makes the next lookup read again.
    std::optional<FileStamp> stamp;
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileInformationByHandle(file.get(), &info)) {
        stamp = FileStamp{path, info.dwVolumeSerialNumber, Combine(info.nFileIndexHigh, info.nFileIndexLow),
                          Combine(info.nFileSizeHigh, info.nFileSizeLow),
                          Combine(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime)};
        if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || stamp->size > language::kMaxFileSize) {
            cache.reset();
            failure = ReadFailure::Missing;
            return nullptr;
        }
    }
    if (stamp && cache && cache->stamp == stamp)
        return cache->parsed;

    std::string bytes;
    if (stamp)
        bytes.reserve(static_cast<std::size_t>(stamp->size));
    failure = ReadToEnd(file.get(), bytes);
    file.reset();
    if (failure != ReadFailure::None) {
        cache.reset();
        return nullptr;
    }
    cache = CachedParse{std::move(stamp), std::make_shared<const language::ParsedFile>(language::Parse(bytes))};
    return cache->parsed;
}

// The texts of one language file for a run of lookups, such as one form's
// translation: the file is opened at the first lookup, not at every one. Under
// Wine each opening costs about a millisecond, and a pass makes two hundred.
class Texts {
public:
    explicit Texts(const std::wstring& fileName) : fileName_(fileName) {}

    // The text, or nothing when the lookup ended the program (only a test's seam comes back).
    std::optional<std::wstring> Get(std::int16_t number)
    {
        if (!parsed_ && !Open())
            return std::nullopt;
        return win::FromAnsi(language::Lookup(*parsed_, number));
    }

private:
    bool Open()
    {
        ReadFailure failure = ReadFailure::None;
        auto parsed = CurrentParse(fileName_, failure);
        if (parsed && parsed->error == language::ParseError::None) {
            parsed_ = std::move(parsed);
            return true;
        }
        effects::Seam& seam = effects::Current();
        if (failure == ReadFailure::Missing)
            seam.ShowMessageBox(nullptr, L"File Not Found.\r\nMust Have at least one Language File!",
                                L"Errore While Loading", MB_ICONERROR | MB_OK);
        seam.EndProgram(1);
        return false;
    }

    const std::wstring& fileName_;
    std::shared_ptr<const language::ParsedFile> parsed_;
};

std::wstring& CurrentLanguageFile()
{
    static std::wstring fileName;
    return fileName;
}

bool IsCaptionType(const std::wstring& type)
{
    return type == L"Label" || type == L"sevCheck" || type == L"xpButton" || type == L"Frame" || type == L"sevFrame";
}

// Translates one control; false when a lookup ended the program.
bool Translate(ui::Control& control, Texts& texts)
{
    const std::wstring& type = control.TypeName();
    if (IsCaptionType(type) || type == L"TextBox") {
        // A Tag that is empty or no number leaves the design text.
        const auto number = numbertext::StrictInteger(control.Tag);
        if (!number)
            return true;
        const auto text = texts.Get(*number);
        if (!text)
            return false;
        if (type == L"TextBox")
            control.SetText(*text);
        else
            control.SetCaption(*text);
        return true;
    }

    // Any other type: the Tag's leading number, and for an element of a control
    // array a tooltip by the Tag followed by the Index.
    const std::int16_t captionNumber = numbertext::RoundedLeadingValue(control.Tag).value_or(0);
    if (captionNumber > 0) {
        const auto text = texts.Get(captionNumber);
        if (!text)
            return false;
        control.SetCaption(*text);  // a control without a caption keeps going
    }
    if (!control.Index)
        return true;
    const std::int16_t tipNumber =
        numbertext::RoundedLeadingValue(control.Tag + std::to_wstring(*control.Index)).value_or(0);
    if (tipNumber > 0) {
        const auto text = texts.Get(tipNumber);
        if (!text)
            return false;
        control.SetToolTipText(*text);
    }
    return true;
}

} // namespace

std::wstring GetLanguageString(std::int16_t number, const std::wstring& fileName)
{
    return Texts(fileName).Get(number).value_or(std::wstring());
}

void ApplyLanguage(ui::Form& form, const std::wstring& fileName)
{
    // Touching a form loads it. One that was unloaded stays so: FormRef builds a new one.
    if (!form.IsLoaded() && !form.WasUnloaded())
        form.Load();

    Texts texts(fileName);
    if (const auto number = numbertext::StrictInteger(form.Tag)) {
        const auto caption = texts.Get(*number);
        if (!caption)
            return;
        form.SetCaption(*caption);
    }
    for (ui::Control* control : form.Controls())
        if (!Translate(*control, texts))
            return;
}

void SetCurrentLanguage(const std::wstring& fileName)
{
    CurrentLanguageFile() = fileName;
}

const std::wstring& CurrentLanguage()
{
    return CurrentLanguageFile();
}

std::wstring LanguageText(std::int16_t number, const wchar_t* english, std::initializer_list<std::wstring> inserts)
{
    std::string text;
    if (!CurrentLanguage().empty()) {
        ReadFailure failure = ReadFailure::None;
        const auto parsed = CurrentParse(CurrentLanguage(), failure);
        if (parsed && parsed->error == language::ParseError::None)
            text = language::Lookup(*parsed, number);
    }
    return language::FillInserts(text.empty() ? std::wstring(english) : win::FromAnsi(text), inserts);
}

void FillLanguageList(const std::wstring& pattern, ui::ListBox& list)
{
    const std::wstring search = paths::InProgramFolder(effects::Current().ProgramFolder(), pattern);
    WIN32_FIND_DATAW found{};
    win::unique_hfind find(::FindFirstFileW(search.c_str(), &found));
    if (!find)
        return;
    constexpr DWORD kNotNormal = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    do {
        if (found.dwFileAttributes & kNotNormal)
            continue;
        const std::wstring name = found.cFileName;
        // Less the extension; a name too short to carry one is no language file.
        if (name.size() >= 4)
            list.AddItem(name.substr(0, name.size() - 4));
    } while (::FindNextFileW(find.get(), &found));
}

} // namespace basLAnguageSelector
