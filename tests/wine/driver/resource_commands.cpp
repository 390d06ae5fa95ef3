// What another program reads from a program file's resources: the screen-saver description (string 1),
// the icon Explorer shows, and the version.
#include <vector>

#include "driver.h"

namespace driver {
namespace {

// The file's resources without running its code.
struct DataModule {
    explicit DataModule(const std::string& file)
        : module(LoadLibraryExW(ToWide(file).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
    ~DataModule() {
        if (module != nullptr) {
            FreeLibrary(module);
        }
    }
    DataModule(const DataModule&) = delete;
    DataModule& operator=(const DataModule&) = delete;
    HMODULE module;
};

bool LoadFailed(const std::string& file) {
    return Fail("cannot load " + file + " as data (error " + std::to_string(GetLastError()) + ")");
}

bool ReadString(const Args& args, Context&) {
    long long id = 0;
    if (!ParseArg(args[1], id)) {
        return false;
    }
    DataModule data(args[0]);
    if (data.module == nullptr) {
        return LoadFailed(args[0]);
    }
    char text[256] = {};
    if (LoadStringA(data.module, static_cast<UINT>(id), text, sizeof text) == 0) {
        return Fail("no string " + args[1]);
    }
    PrintLine("string id=" + args[1] + " text=" + FromAnsi(text));
    return true;
}

BOOL CALLBACK TakeFirstName(HMODULE, LPCSTR, LPSTR name, LONG_PTR first) {
    *reinterpret_cast<LPSTR*>(first) = name;
    return FALSE;
}

// The first icon group enumerated (names first, then numbers upwards) is the one Explorer shows.
bool FirstIcon(const Args& args, Context&) {
    DataModule data(args[0]);
    if (data.module == nullptr) {
        return LoadFailed(args[0]);
    }
    LPSTR first = nullptr;
    EnumResourceNamesA(data.module, RT_GROUP_ICON, TakeFirstName, reinterpret_cast<LONG_PTR>(&first));
    if (first == nullptr || !IS_INTRESOURCE(first)) {
        return Fail("no numbered icon group");
    }
    PrintLine("icon id=" + std::to_string(reinterpret_cast<ULONG_PTR>(first)));
    return true;
}

std::string FourPartVersion(DWORD high, DWORD low) {
    return std::to_string(HIWORD(high)) + "." + std::to_string(LOWORD(high)) + "." +
           std::to_string(HIWORD(low)) + "." + std::to_string(LOWORD(low));
}

// One "version" line with the fixed numbers, then one line per text of the first translation.
bool VersionInfo(const Args& args, Context&) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(ToAnsi(args[0]).c_str(), &ignored);
    std::vector<char> block(size);
    if (size == 0 || !GetFileVersionInfoA(ToAnsi(args[0]).c_str(), 0, size, block.data())) {
        return Fail("no version information (error " + std::to_string(GetLastError()) + ")");
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length) ||
        length < sizeof *fixed) {
        return Fail("no fixed version");
    }
    PrintLine("version file=" + FourPartVersion(fixed->dwFileVersionMS, fixed->dwFileVersionLS) +
              " product=" + FourPartVersion(fixed->dwProductVersionMS, fixed->dwProductVersionLS));
    WORD* translation = nullptr;
    if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                        &length) ||
        length < 2 * sizeof(WORD)) {
        return Fail("no translation");
    }
    char prefix[64];
    wsprintfA(prefix, "\\StringFileInfo\\%04x%04x\\", translation[0], translation[1]);
    for (const char* key :
         {"ProductName", "ProductVersion", "FileVersion", "FileDescription", "LegalCopyright"}) {
        char* text = nullptr;
        if (VerQueryValueA(block.data(), (prefix + std::string(key)).c_str(), reinterpret_cast<void**>(&text),
                           &length) &&
            length > 0) {
            PrintLine("version-text key=" + std::string(key) + " text=" + FromAnsi(text));
        }
    }
    return true;
}

const Registration kLoadString({"load-string", "FILE ID", 2, 2, ReadString});
const Registration kFirstIcon({"first-icon", "FILE", 1, 1, FirstIcon});
const Registration kVersionInfo({"version-info", "FILE", 1, 1, VersionInfo});

}  // namespace
}  // namespace driver
