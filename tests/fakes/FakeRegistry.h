// In-memory registry below HKEY_LOCAL_MACHINE: key paths and value names compare without case,
// keys are never created by opening, and the access a key grants can be limited.
#pragma once
#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <string>

#include "platform/Registry.h"

namespace talvek::testing {

class FakeRegistry : public Registry {
  public:
    enum class Access { Full, ReadOnly, None };

    struct Key {
        std::map<std::string, std::string> values; // lower-case name -> data
        Access access = Access::Full;
    };

    void addKey(const std::string& path, Access access = Access::Full) {
        keys_[lower(path)].access = access;
    }
    Key* key(const std::string& path) {
        auto it = keys_.find(lower(path));
        return it == keys_.end() ? nullptr : &it->second;
    }
    bool hasValue(const std::string& path, const std::string& name) {
        Key* k = key(path);
        return k && k->values.count(lower(name)) != 0;
    }
    std::string value(const std::string& path, const std::string& name) {
        Key* k = key(path);
        return k && k->values.count(lower(name)) ? k->values[lower(name)] : std::string();
    }

    std::unique_ptr<RegistryKey> openLocalMachine(const std::string& path) override {
        ++opens;
        Key* k = key(path);
        if (!k || k->access == Access::None) return nullptr;
        ++openKeys;
        return std::make_unique<OpenKey>(*this, *k);
    }

    int opens = 0;
    int openKeys = 0; // keys handed out and not yet closed
    bool failWrites = false;

  private:
    class OpenKey : public RegistryKey {
      public:
        OpenKey(FakeRegistry& owner, Key& key) : owner_(owner), key_(key) {}
        ~OpenKey() override { --owner_.openKeys; }
        bool getString(const std::string& name, std::string& data) override {
            if (!key_.values.count(lower(name))) return false;
            data = key_.values[lower(name)];
            return true;
        }
        bool setString(const std::string& name, const std::string& data) override {
            if (key_.access != Access::Full || owner_.failWrites) return false;
            key_.values[lower(name)] = data;
            return true;
        }
        bool deleteValue(const std::string& name) override {
            if (key_.access != Access::Full) return false;
            return key_.values.erase(lower(name)) != 0;
        }

      private:
        FakeRegistry& owner_;
        Key& key_;
    };

    static std::string lower(std::string s) {
        std::transform(s.begin(), s.end(), s.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return s;
    }
    std::map<std::string, Key> keys_;
};

} // namespace talvek::testing
