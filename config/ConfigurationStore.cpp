#include "config/ConfigurationStore.h"

#include "config/TextCase.h"

namespace talvek {

namespace {

// GetPrivateProfileString's answer: one pair of equal quotes around the value goes, and it
// is cut to the buffer.
std::string valueAsReturned(std::string value, std::size_t bufferSize) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    if (bufferSize > 0 && value.size() > bufferSize - 1) value.resize(bufferSize - 1);
    return value;
}

} // namespace

std::string ConfigurationStore::newFileFor(const std::string& file) {
    std::size_t slash = file.find_last_of("\\/");
    return (slash == std::string::npos ? std::string() : file.substr(0, slash + 1)) +
           "TALVEK95.NEU";
}

void ConfigurationStore::finishInterruptedWrite(const std::string& file) {
    auto held = locks_.hold(lock::kConfiguration);
    settle(file);
}

void ConfigurationStore::settle(const std::string& file) {
    const std::string next = newFileFor(file);
    if (!files_.fileExists(next)) return;
    if (files_.fileExists(file))
        files_.deleteFile(next);
    else
        files_.moveFile(next, file);
}

ConfigurationStore::Loaded ConfigurationStore::load(const std::string& file) {
    settle(file);
    std::string text;
    if (!files_.readFile(file, text)) {
        cached_ = false;
        document_ = IniDocument();
        // A file that is there and cannot be read is never written over from nothing.
        return files_.attributes(file) == attr::kInvalid ? Loaded::Missing : Loaded::Unreadable;
    }
    if (!cached_ || cachedText_ != text || !sameIgnoringCase(cachedFile_, file)) {
        document_ = IniDocument::parse(text);
        cachedText_ = std::move(text);
        cachedFile_ = file;
        cached_ = true;
    }
    return Loaded::Read;
}

bool ConfigurationStore::save(const std::string& file, bool replacing) {
    const std::string next = newFileFor(file);
    const std::string text = document_.text();
    cached_ = false;
    if (!files_.writeFile(next, text)) {
        files_.deleteFile(next);
        return false;
    }
    // Until the old file is deleted the new one counts for nothing; from then on it is the
    // configuration, renamed now or by the next access.
    if (replacing && !files_.deleteFile(file)) {
        files_.deleteFile(next);
        return false;
    }
    if (!files_.moveFile(next, file)) {
        if (!replacing) files_.deleteFile(next);
        return false;
    }
    // Not kept parsed: read again, the text loses the blanks a value may end with, as it
    // does when the profile functions read it again.
    return true;
}

template <typename Change> bool ConfigurationStore::change(const std::string& file, Change apply) {
    auto held = locks_.hold(lock::kConfiguration);
    const Loaded loaded = load(file);
    if (loaded == Loaded::Unreadable) return false;
    if (!apply(document_)) return true;
    return save(file, loaded == Loaded::Read);
}

std::string ConfigurationStore::read(const std::string& file, const std::string& section,
                                     const std::string& key, const std::string& def,
                                     std::size_t bufferSize) {
    auto held = locks_.hold(lock::kConfiguration);
    std::string value;
    if (load(file) != Loaded::Read || !document_.find(section, key, value)) value = def;
    return valueAsReturned(std::move(value), bufferSize);
}

bool ConfigurationStore::write(const std::string& file, const std::string& section,
                               const std::string& key, const std::string& value) {
    return change(file, [&](IniDocument& doc) { return doc.set(section, key, value); });
}

bool ConfigurationStore::removeSection(const std::string& file, const std::string& section) {
    return change(file, [&](IniDocument& doc) { return doc.removeSection(section); });
}

bool ConfigurationStore::removeKey(const std::string& file, const std::string& section,
                                   const std::string& key) {
    return change(file, [&](IniDocument& doc) { return doc.removeKey(section, key); });
}

bool ConfigurationStore::hasSection(const std::string& file, const std::string& section) {
    auto held = locks_.hold(lock::kConfiguration);
    return load(file) == Loaded::Read && document_.hasSection(section);
}

bool ConfigurationStore::readSection(const std::string& file, const std::string& section,
                                     std::size_t, std::vector<std::string>& lines) {
    auto held = locks_.hold(lock::kConfiguration);
    lines.clear();
    if (load(file) == Loaded::Read) document_.sectionLines(section, lines);
    return true;
}

bool ConfigurationStore::writeSection(const std::string& file, const std::string& section,
                                      const std::vector<std::string>& lines) {
    return change(file, [&](IniDocument& doc) { return doc.replaceSection(section, lines); });
}

} // namespace talvek
