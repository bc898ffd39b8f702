#pragma once

#include <windows.h>

#include <string>

// Files the window reads and writes, by their wide names.

// The system's words for an error code, on one line.
std::wstring system_reason(DWORD error);

// The whole file as bytes; false, with the system's reason, when it cannot be read.
bool read_file_bytes(const std::wstring& path, std::string& bytes, std::wstring& why);

// Writes bytes to path so that the file is never left half written: into a new file in the same
// folder, flushed to the disk, which then takes path's place in one step. False, with the
// system's reason, when a step fails; path is then as it was.
bool write_file_safely(const std::wstring& path, const std::string& bytes, std::wstring& why);

// Asks for a file's name with the common dialog, starting from name: one to open, or one to save
// to (asking before it replaces a file), with one filter ("label\0pattern\0") and the extension
// a name without one gets. False when the player cancels.
bool ask_file_name(HWND owner, bool save, const wchar_t* filter, const wchar_t* extension,
                   std::wstring& name);

// The files the window keeps between runs: %APPDATA%\Soramito\<name>, empty without %APPDATA%.
std::wstring kept_file_path(const wchar_t* name);

// Writes one of them safely, making the folder first; false when it could not be written.
bool write_kept_file(const wchar_t* name, const std::string& bytes);

// Keeps one of them under another name, in place of an older one: a file that cannot be read is
// set aside, never deleted. False, with the system's reason, when it stays where it was.
bool set_kept_file_aside(const wchar_t* name, const wchar_t* asideName, std::wstring& why);

bool file_exists(const std::wstring& path);

// The last part of a path: the file's own name.
std::wstring file_name_of(const std::wstring& path);
