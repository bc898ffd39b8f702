#include "text/start_up_folder.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "text/open_file.h"

#ifdef _WIN32
#include <windows.h>

#include "text/utf16.h"
#endif

namespace {

std::string program_folder() {
#ifdef _WIN32
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD got = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (got == 0) {
            return "";
        }
        if (got < path.size()) {
            path.resize(got);
            break;
        }
        path.resize(path.size() * 2);
    }
    return utf8_from_utf16(std::filesystem::path(path).parent_path().wstring());
#else
    std::error_code error;
    const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? "" : path.parent_path().string();
#endif
}

std::string working_folder() {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::current_path(error);
#ifdef _WIN32
    return error ? "." : utf8_from_utf16(path.wstring());
#else
    return error ? "." : path.string();
#endif
}

}  // namespace

std::vector<std::string> start_up_folders() {
    std::vector<std::string> folders = {working_folder()};
    const std::string own = program_folder();
    if (!own.empty() && own != folders[0]) {
        folders.push_back(own);
    }
    return folders;
}

std::string folder_with_unit_file(const std::vector<std::string>& folders) {
    const auto found = std::find_if(folders.begin(), folders.end(), [](const std::string& folder) {
        std::FILE* file = open_file(folder + "/character.txt", "r");
        if (file == nullptr) {
            return false;
        }
        std::fclose(file);
        return true;
    });
    return found != folders.end() ? *found : "";
}

std::string searched_folders_words(const std::vector<std::string>& folders) {
    // UTF-8 literals: the paths are UTF-8, and the engine's literals are Shift-JIS.
    std::string words = reinterpret_cast<const char*>(u8"探したフォルダ：");
    for (std::size_t k = 0; k < folders.size(); ++k) {
        words += (k > 0 ? reinterpret_cast<const char*>(u8"、") : "") + folders[k];
    }
    return words;
}
