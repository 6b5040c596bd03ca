#pragma once
// The per-user registry: configurations, options, window states and export parameters, kept with
// the old system's key paths and value names. On Linux it is a UTF-8 INI file under the XDG
// configuration folder (fentorn/registry.ini); tests use the in-memory store.
//
// Key paths are written as in the old system ("\SoftWare\Gravik\Fentorn\Furniture380"); a leading
// "\" is optional and key names compare without regard to case, as the registry's did. Subkeys
// enumerate in the order in which they were created.
//
// The file (UTF-8, LF line breaks) is read and written by the INI code of IniFile.h. Each key is
// a section named by its full path with a leading "\"; creating a key writes a section for each
// missing parent too, so the file order of the sections is the creation order. A value is one
// line "name=typed value":
//
//   [\SoftWare\Gravik\Fentorn\Furniture380]
//   FTFCatalogDir="C:\\Fentorn\\Catalog"   string: in double quotes; inside, "\\" is a backslash,
//                                          "\"" a quote, "\n" "\r" "\t" and "\xNN" control
//                                          characters; every other character as it is
//   AutoReg=int:1                          integer: signed 32-bit decimal
//   DovuruzadMainWinState=hex:02           binary: two lower-case hex digits per byte (may be empty)
//
// Lines starting with ";" or "#" and blank lines are comments and are kept. Any other line (a
// value line with an unknown type or bad data, a value before the first key, a broken header,
// text that is no UTF-8) makes the file unreadable: opening it throws FtfError naming the file
// and the line, and nothing is overwritten. Value names are not empty, hold no "=" or line break
// and do not start with "[", ";", "#" or a blank; a write with another name throws FtfError.
//
// Reading a value with the wrong type (ReadInteger of a string) throws FtfError naming the value,
// as the registry's typed reads did. Writes stay in memory until Flush; Flush re-reads the file
// and applies this store's changes to it, so values changed meanwhile by another process
// survive, then writes it safely (temporary file and rename). A file store that is destroyed with
// changes not yet flushed flushes them, ignoring errors.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ftf {

class RegistryStore {
public:
    virtual ~RegistryStore() = default;

    virtual bool KeyExists(const std::string& key) const = 0;
    /// Creates the key and its missing parents (OpenKey with create).
    virtual void CreateKey(const std::string& key) = 0;
    /// Names of the direct subkeys, in enumeration order.
    virtual std::vector<std::string> SubKeys(const std::string& key) const = 0;
    virtual bool ValueExists(const std::string& key, const std::string& name) const = 0;

    virtual std::optional<std::string> ReadString(const std::string& key, const std::string& name) const = 0;
    virtual std::optional<std::int32_t> ReadInteger(const std::string& key, const std::string& name) const = 0;
    /// Binary values (window states, reals written as their bytes).
    virtual std::optional<std::string> ReadBinary(const std::string& key, const std::string& name) const = 0;

    /// Writes create the key when missing.
    virtual void WriteString(const std::string& key, const std::string& name, const std::string& value) = 0;
    virtual void WriteInteger(const std::string& key, const std::string& name, std::int32_t value) = 0;
    virtual void WriteBinary(const std::string& key, const std::string& name, const std::string& bytes) = 0;
    virtual void DeleteValue(const std::string& key, const std::string& name) = 0;

    /// Makes the writes durable (the file store writes its file safely; the memory store does
    /// nothing). Throws FtfError with a message when the file cannot be written.
    virtual void Flush() = 0;
};

/// The user's store at $XDG_CONFIG_HOME/fentorn/registry.ini (~/.config when unset). Throws
/// FtfError naming the file when it exists but cannot be parsed.
std::unique_ptr<RegistryStore> OpenUserRegistry();
/// A store over the given file (created on the first Flush when missing).
std::unique_ptr<RegistryStore> OpenFileRegistry(const std::string& path);
/// A store in memory, for tests.
std::unique_ptr<RegistryStore> NewMemoryRegistry();

/// The store the program uses (the user's store unless one was installed). Not owned.
RegistryStore& CurrentRegistry();
/// Installs a store (tests); nullptr returns to the user's store.
void SetCurrentRegistry(RegistryStore* store);

}  // namespace ftf
