#include "win32/safe_file.h"

#include <commdlg.h>

#include <algorithm>

#include "win32/handles.h"

namespace {

bool fail(std::wstring& why) {
    why = system_reason(GetLastError());
    return false;
}

bool write_all(HANDLE file, const std::string& bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
        DWORD written = 0;
        const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - at, 1 << 20));
        if (!WriteFile(file, bytes.data() + at, piece, &written, nullptr) || written == 0) {
            return false;
        }
        at += written;
    }
    return true;
}

}  // namespace

std::wstring system_reason(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring reason = length > 0 ? std::wstring(text, length) : std::wstring();
    LocalFree(text);
    while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r')) {
        reason.pop_back();
    }
    return reason.empty() ? L"error " + std::to_wstring(error) : reason;
}

bool read_file_bytes(const std::wstring& path, std::string& bytes, std::wstring& why) {
    const FileHandle file{CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size)) {
        return fail(why);
    }
    // A session is a few kilobytes; anything near this is no session.
    constexpr LONGLONG kMostBytes = 16 << 20;
    if (size.QuadPart > kMostBytes) {
        SetLastError(ERROR_FILE_TOO_LARGE);
        return fail(why);
    }
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD got = 0;
    if (!bytes.empty() &&
        (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) ||
         got != bytes.size())) {
        return fail(why);
    }
    return true;
}

bool write_file_safely(const std::wstring& path, const std::string& bytes, std::wstring& why) {
    std::wstring folder = path.substr(0, path.size() - file_name_of(path).size());
    wchar_t temporary[MAX_PATH + 16] = L"";
    if (GetTempFileNameW(folder.empty() ? L"." : folder.c_str(), L"srm", 0, temporary) == 0) {
        return fail(why);
    }
    bool written = false;
    {
        const FileHandle file{CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr)};
        written = file && write_all(file.get(), bytes) && FlushFileBuffers(file.get());
    }
    if (!written ||
        !MoveFileExW(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        fail(why);
        DeleteFileW(temporary);
        return false;
    }
    return true;
}

bool ask_file_name(HWND owner, bool save, const wchar_t* filter, const wchar_t* extension,
                   std::wstring& name) {
    wchar_t chosen[MAX_PATH] = L"";
    lstrcpynW(chosen, name.c_str(), MAX_PATH);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = chosen;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrDefExt = extension;
    // The start-up files are read from the working folder: the dialog must not move it.
    dialog.Flags =
        OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    if (!(save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog))) {
        return false;
    }
    name = chosen;
    return true;
}

std::wstring kept_file_path(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = L"";
    const DWORD length = GetEnvironmentVariableW(L"APPDATA", folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return L"";
    }
    return std::wstring(folder) + L"\\Soramito\\" + name;
}

bool write_kept_file(const wchar_t* name, const std::string& bytes) {
    const std::wstring path = kept_file_path(name);
    if (path.empty()) {
        return false;
    }
    CreateDirectoryW(path.substr(0, path.size() - file_name_of(path).size()).c_str(), nullptr);
    std::wstring why;
    return write_file_safely(path, bytes, why);
}

bool set_kept_file_aside(const wchar_t* name, const wchar_t* asideName, std::wstring& why) {
    if (!MoveFileExW(kept_file_path(name).c_str(), kept_file_path(asideName).c_str(),
                     MOVEFILE_REPLACE_EXISTING)) {
        return fail(why);
    }
    return true;
}

bool file_exists(const std::wstring& path) {
    return !path.empty() && GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring file_name_of(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}
