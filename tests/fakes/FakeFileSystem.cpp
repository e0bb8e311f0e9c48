#include "fakes/FakeFileSystem.h"

#include <algorithm>
#include <cctype>

namespace talvek::testing {

std::string FakeFileSystem::key(const std::string& path) {
    std::string k;
    for (char c : path) {
        char n = (c == '/') ? '\\' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (n == '\\' && !k.empty() && k.back() == '\\') continue;
        k += n;
    }
    while (k.size() > 2 && k.back() == '\\')
        k.pop_back();
    if (k.size() == 3 && k[1] == ':') k.pop_back();
    return k;
}

std::string FakeFileSystem::parentOf(const std::string& k) {
    std::size_t slash = k.rfind('\\');
    return slash == std::string::npos ? std::string() : k.substr(0, slash);
}

bool FakeFileSystem::parentIsDirectory(const std::string& k) const {
    std::string parent = parentOf(k);
    if (parent.size() == 2 && parent[1] == ':') return true;
    auto it = nodes_.find(parent);
    return it != nodes_.end() && it->second.directory;
}

bool FakeFileSystem::hasChildren(const std::string& k) const {
    return std::any_of(nodes_.begin(), nodes_.end(),
                       [&](const auto& n) { return parentOf(n.first) == k; });
}

std::string FakeFileSystem::windowsDirectory(std::size_t bufferSize) {
    if (injectedFault(faults, "windowsDirectory")) return std::string();
    return windowsDir.size() < bufferSize ? windowsDir : std::string();
}

std::uint32_t FakeFileSystem::attributes(const std::string& path) {
    if (injectedFault(faults, "attributes " + path)) return attr::kInvalid;
    return attributesOf(path);
}

std::uint32_t FakeFileSystem::attributesOf(const std::string& path) const {
    if (path.size() >= kMaxPath) return attr::kInvalid;
    std::string k = key(path);
    if (k.size() == 2 && k[1] == ':') return attr::kDirectory;
    auto it = nodes_.find(k);
    if (it == nodes_.end()) return attr::kInvalid;
    return it->second.directory ? (it->second.attributes | attr::kDirectory)
                                : it->second.attributes;
}

bool FakeFileSystem::setAttributes(const std::string& path, std::uint32_t attributes) {
    if (injectedFault(faults, "setAttributes " + path) || path.size() >= kMaxPath) return false;
    auto it = nodes_.find(key(path));
    if (it == nodes_.end()) return false;
    it->second.attributes = attributes & ~attr::kDirectory;
    return true;
}

bool FakeFileSystem::createDirectory(const std::string& path) {
    std::string k = key(path);
    calls.push_back("mkdir " + path);
    if (injectedFault(faults, "mkdir " + path)) return false;
    if (path.size() >= kMaxPath - 12) return false; // room for an 8.3 name must remain
    if (k.empty() || nodes_.count(k) || !parentIsDirectory(k) || unwritable.count(k)) return false;
    nodes_[k] = Node{path, true, 0, ""};
    return true;
}

bool FakeFileSystem::copyFile(const std::string& from, const std::string& to, bool failIfExists) {
    calls.push_back("copy " + from + " -> " + to);
    // A reset while a copy is under way leaves its target cut short.
    if (injectedFault(faults, "copy " + from)) {
        auto src = nodes_.find(key(from));
        if (faults->calls == faults->cutAfter + 1 && src != nodes_.end() && !nodes_.count(key(to)))
            nodes_[key(to)] = Node{to, false, 0, src->second.content.substr(0, 1)};
        return false;
    }
    if (from.size() >= kMaxPath || to.size() >= kMaxPath) return false;
    auto src = nodes_.find(key(from));
    std::string k = key(to);
    if (src == nodes_.end() || src->second.directory) return false;
    if (!parentIsDirectory(k) || unwritable.count(k) || heldOpen.count(k)) return false;
    auto dst = nodes_.find(k);
    if (dst != nodes_.end() &&
        (failIfExists || dst->second.directory || (dst->second.attributes & attr::kReadOnly)))
        return false;
    Node copy = src->second;
    copy.name = to;
    if (damagedCopies.count(k)) copy.content += "?";
    nodes_[k] = copy;
    auto changing = changingSources.find(key(from));
    if (changing != changingSources.end() && changing->second > 0) {
        --changing->second;
        src->second.content += "+";
    }
    return true;
}

bool FakeFileSystem::deleteFile(const std::string& path) {
    calls.push_back("delete " + path);
    if (injectedFault(faults, "delete " + path) || path.size() >= kMaxPath) return false;
    auto it = nodes_.find(key(path));
    if (it == nodes_.end() || it->second.directory || (it->second.attributes & attr::kReadOnly) ||
        (heldOpen.count(it->first) && !openFilesMove))
        return false;
    nodes_.erase(it);
    return true;
}

bool FakeFileSystem::removeDirectory(const std::string& path) {
    calls.push_back("rmdir " + path);
    if (injectedFault(faults, "rmdir " + path) || path.size() >= kMaxPath) return false;
    std::string k = key(path);
    auto it = nodes_.find(k);
    if (it == nodes_.end() || !it->second.directory || hasChildren(k)) return false;
    if (key(current) == k) return false; // the platform refuses to remove the current directory
    nodes_.erase(it);
    return true;
}

bool FakeFileSystem::setCurrentDirectory(const std::string& path) {
    calls.push_back("cd " + path);
    if (injectedFault(faults, "cd " + path)) return false;
    std::uint32_t a = attributesOf(path);
    if (a == attr::kInvalid || !(a & attr::kDirectory)) return false;
    current = path;
    return true;
}

std::string FakeFileSystem::shortPath(const std::string& path) {
    if (injectedFault(faults, "shortPath " + path)) return "";
    std::string k = key(path);
    if (attributesOf(path) == attr::kInvalid) return "";
    auto it = shortNames.find(k);
    return it == shortNames.end() ? path : it->second;
}

namespace {

// Windows-1252 bytes 80..FF as code page 850 has them; "?" where it has no such character.
const char kOem850[] = "\x3F\x3F\x3F\x9F\x3F\x3F\x3F\x3F\x3F\x3F\x3F\x3F\x3F\x3F\x3F\x3F"
                       "\x3F\x3F\x3F\x3F\x3F\x3F\x3F\x3F\x3F\x3F\x3F\x3F\x3F\x3F\x3F\x3F"
                       "\xFF\xAD\xBD\x9C\xCF\xBE\xDD\xF5\xF9\xB8\xA6\xAE\xAA\xF0\xA9\xEE"
                       "\xF8\xF1\xFD\xFC\xEF\xE6\xF4\xFA\xF7\xFB\xA7\xAF\xAC\xAB\xF3\xA8"
                       "\xB7\xB5\xB6\xC7\x8E\x8F\x92\x80\xD4\x90\xD2\xD3\xDE\xD6\xD7\xD8"
                       "\xD1\xA5\xE3\xE0\xE2\xE5\x99\x9E\x9D\xEB\xE9\xEA\x9A\xED\xE8\xE1"
                       "\x85\xA0\x83\xC6\x84\x86\x91\x87\x8A\x82\x88\x89\x8D\xA1\x8C\x8B"
                       "\xD0\xA4\x95\xA2\x93\xE4\x94\xF6\x9B\x97\xA3\x96\x81\xEC\xE7\x98";

std::string toOem(std::string text) {
    for (char& c : text) {
        unsigned char u = static_cast<unsigned char>(c);
        if (u >= 0x80) c = kOem850[u - 0x80];
    }
    return text;
}

} // namespace

bool FakeFileSystem::writeText(const std::string& call, const std::string& path,
                               const std::vector<std::string>& lines, CodePage codePage,
                               bool append) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    if (codePage == CodePage::Oem) text = toOem(text);
    return writeBytes(call, path, text, append);
}

bool FakeFileSystem::writeBytes(const std::string& call, const std::string& path, std::string text,
                                bool append) {
    calls.push_back(call + " " + path);
    const bool failed = injectedFault(faults, call + " " + path);
    const std::size_t torn = tornLength(faults, text.size());
    if (failed && torn == std::string::npos) return false;
    if (path.size() >= kMaxPath) return false;
    std::string k = key(path);
    if (!parentIsDirectory(k) || unwritable.count(k) || heldOpen.count(k)) return false;
    auto it = nodes_.find(k);
    if (it != nodes_.end() && (it->second.directory || (it->second.attributes & attr::kReadOnly)))
        return false;
    // A write cut short leaves what reached the disk: the start of the new text.
    if (failed) text.resize(torn);
    if (call == "writePiece" && damagedCopies.count(k)) text += "?"; // a failing disk or cable
    if (append && it != nodes_.end()) {
        it->second.content += text;
        return !failed;
    }
    nodes_[k] = Node{path, false, attr::kArchive, text};
    return !failed;
}

bool FakeFileSystem::writeFile(const std::string& path, const std::string& content) {
    return writeBytes("write", path, content, false);
}

bool FakeFileSystem::writeTextFile(const std::string& path, const std::vector<std::string>& lines,
                                   CodePage codePage) {
    return writeText("write", path, lines, codePage, false);
}

bool FakeFileSystem::appendTextFile(const std::string& path, const std::vector<std::string>& lines,
                                    CodePage codePage) {
    return writeText("append", path, lines, codePage, true);
}

namespace {

// Reads a file's content as it was when it was opened, piece by piece; every piece is a
// call of the platform of its own.
class FakeReader : public FileReader {
  public:
    FakeReader(std::string content, std::string path, FaultPlan* faults, std::size_t& largest,
               bool changed)
        : content_(std::move(content)), path_(std::move(path)), faults_(faults), largest_(largest),
          changed_(changed) {}
    bool read(std::string& piece, std::size_t most) override {
        piece.clear();
        if (most > largest_) largest_ = most;
        if (injectedFault(faults_, "readPiece " + path_)) return false;
        piece = content_.substr(std::min(at_, content_.size()), most);
        at_ += piece.size();
        return true;
    }
    std::uint64_t size() override { return content_.size(); }
    bool changedSinceOpened() override { return changed_; }

  private:
    std::string content_;
    std::string path_;
    FaultPlan* faults_;
    std::size_t& largest_;
    bool changed_;
    std::size_t at_ = 0;
};

} // namespace

std::unique_ptr<FileReader> FakeFileSystem::openForReading(const std::string& path) {
    if (injectedFault(faults, "open " + path)) return nullptr;
    auto it = nodes_.find(key(path));
    if (it == nodes_.end() || it->second.directory) return nullptr;
    ++readings[it->first];
    // Another program writes to it while the reader reads what it held before.
    auto changing = changingSources.find(it->first);
    bool changed = changing != changingSources.end() && changing->second-- > 0;
    auto reader =
        std::make_unique<FakeReader>(it->second.content, path, faults, largestRead, changed);
    if (changed) it->second.content += "+";
    return reader;
}

// Writes a new file piece by piece, each piece a write call of its own.
class FakeWriter : public FileWriter {
  public:
    FakeWriter(FakeFileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}
    bool write(const std::string& piece) override {
        return files_.writeBytes("writePiece", path_, piece, true);
    }
    bool close() override { return true; }

  private:
    FakeFileSystem& files_;
    std::string path_;
};

std::unique_ptr<FileWriter> FakeFileSystem::createNew(const std::string& path) {
    calls.push_back("create " + path);
    if (injectedFault(faults, "create " + path) || path.size() >= kMaxPath) return nullptr;
    std::string k = key(path);
    if (nodes_.count(k) || !parentIsDirectory(k) || unwritable.count(k)) return nullptr;
    nodes_[k] = Node{path, false, attr::kArchive, ""};
    return std::make_unique<FakeWriter>(*this, path);
}

void FakeFileSystem::flushIni(const std::string& path) {
    calls.push_back("flush " + path);
    auto cached = profileCache.find(key(path));
    if (cached == profileCache.end()) return;
    nodes_[cached->first].content = cached->second;
    profileCache.erase(cached);
}

bool FakeFileSystem::moveFile(const std::string& from, const std::string& to) {
    calls.push_back("move " + from + " -> " + to);
    if (injectedFault(faults, "move " + from)) return false;
    auto src = nodes_.find(key(from));
    std::string k = key(to);
    if (src == nodes_.end() || src->second.directory ||
        (heldOpen.count(src->first) && !openFilesMove) || nodes_.count(k) || !parentIsDirectory(k))
        return false;
    Node moved = src->second;
    moved.name = to;
    nodes_.erase(src);
    nodes_[k] = moved;
    return true;
}

bool FakeFileSystem::listDirectory(const std::string& path, std::vector<std::string>& names) {
    names.clear();
    if (injectedFault(faults, "list " + path)) return false;
    if (!directoryExists(path)) return false;
    for (const std::string& child : children(path))
        names.push_back(child.substr(child.find_last_of("\\/") + 1));
    return true;
}

bool FakeFileSystem::readFile(const std::string& path, std::string& text) {
    if (injectedFault(faults, "read " + path)) return false;
    auto it = nodes_.find(key(path));
    // It shares reading only, which a handle open for writing refuses.
    if (it == nodes_.end() || it->second.directory || heldOpen.count(it->first)) return false;
    text = it->second.content;
    return true;
}

void FakeFileSystem::addFile(const std::string& path, const std::string& content,
                             std::uint32_t attributes) {
    std::string k = key(path);
    std::string parent = parentOf(k);
    if (!(parent.size() == 2 && parent[1] == ':') && !nodes_.count(parent))
        addDirectory(path.substr(0, path.find_last_of("\\/")));
    nodes_[k] = Node{path, false, attributes, content};
}

void FakeFileSystem::addDirectory(const std::string& path) {
    std::string k = key(path);
    if (k.size() <= 2 || nodes_.count(k)) return;
    std::size_t slash = path.find_last_of("\\/");
    if (slash != std::string::npos && slash > 2) addDirectory(path.substr(0, slash));
    nodes_[k] = Node{path, true, 0, ""};
}

bool FakeFileSystem::exists(const std::string& path) const {
    return nodes_.count(key(path)) > 0;
}

std::string FakeFileSystem::content(const std::string& path) const {
    auto it = nodes_.find(key(path));
    return it == nodes_.end() ? std::string() : it->second.content;
}

std::map<std::string, std::pair<std::string, std::uint32_t>> FakeFileSystem::allFiles() const {
    std::map<std::string, std::pair<std::string, std::uint32_t>> result;
    for (const auto& n : nodes_)
        if (!n.second.directory) result[n.first] = {n.second.content, n.second.attributes};
    return result;
}

std::vector<std::string> FakeFileSystem::children(const std::string& directory) const {
    std::vector<std::string> result;
    std::string k = key(directory);
    for (const auto& n : nodes_)
        if (parentOf(n.first) == k) result.push_back(n.second.name);
    return result;
}

std::vector<std::string> FakeFileSystem::paths() const {
    std::vector<std::string> result;
    for (const auto& n : nodes_)
        result.push_back(n.second.name);
    return result;
}

} // namespace talvek::testing
