#pragma once
// The per-user registry: configurations, options, window states and export parameters, kept with
// the old system's key paths and value names. On Linux it is a UTF-8 INI file under the XDG
// configuration folder (fentorn/registry.ini); tests use the in-memory store.
//
// Key paths are written as in the old system ("\SoftWare\Gravik\Fentorn\Furniture380"); a leading
// "\" is optional and key names compare without regard to case, as the registry's did. Subkeys
// enumerate in the order in which they were created.

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
