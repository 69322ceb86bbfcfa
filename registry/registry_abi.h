// Our own declarations of the Win32 registry types and the six ANSI functions the module calls,
// written from their documented signatures so the module builds without the platform header.
#pragma once

#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define VARENKEL_WINAPI __stdcall
#else
#define VARENKEL_WINAPI
#endif

typedef struct RegistryKeyOpaque* RegKey;  // HKEY: a handle, pointer-sized
typedef int32_t RegStatus;                 // LONG: 0 is ERROR_SUCCESS
typedef uint32_t RegDword;                 // DWORD

inline constexpr RegStatus kRegSuccess = 0;          // ERROR_SUCCESS
inline constexpr RegStatus kRegFileNotFound = 2;     // ERROR_FILE_NOT_FOUND
inline constexpr RegStatus kRegAccessDenied = 5;     // ERROR_ACCESS_DENIED
inline constexpr RegStatus kRegInvalidHandle = 6;    // ERROR_INVALID_HANDLE
inline constexpr RegStatus kRegMoreData = 234;       // ERROR_MORE_DATA
inline constexpr RegStatus kRegNoMoreItems = 259;    // ERROR_NO_MORE_ITEMS

// A 32-bit handle value as the system's handle: the predefined roots (0x8000000x) are
// sign-extended on 64-bit Windows, as the platform header does.
inline RegKey RegKeyFromValue(int32_t value) { return reinterpret_cast<RegKey>(static_cast<intptr_t>(value)); }

typedef RegStatus(VARENKEL_WINAPI* RegOpenKeyAFunction)(RegKey root, const char* path, RegKey* opened);
typedef RegStatus(VARENKEL_WINAPI* RegEnumKeyAFunction)(RegKey key, RegDword index, char* name, RegDword capacity);
typedef RegStatus(VARENKEL_WINAPI* RegCloseKeyFunction)(RegKey key);
typedef RegStatus(VARENKEL_WINAPI* RegQueryValueExAFunction)(RegKey key, const char* value_name, RegDword* reserved,
                                                             RegDword* type, unsigned char* data, RegDword* size);
typedef RegStatus(VARENKEL_WINAPI* RegSetValueExAFunction)(RegKey key, const char* value_name, RegDword reserved,
                                                           RegDword type, const unsigned char* data, RegDword size);
typedef RegStatus(VARENKEL_WINAPI* RegDeleteKeyAFunction)(RegKey root, const char* path);
