#include "store/profile_file.h"

#include <utility>

#include "common/gbk_text.h"

namespace varnelle {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// Blanks are one-byte characters and never the second byte of a two-byte one, so trimming can
// look at single bytes.
std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Position of the first (or, with `last`, the last) one-byte character `c` in `text`, stepping
// over two-byte characters; npos when there is none.
std::size_t FindCharacter(std::string_view text, char c, bool last) {
  std::size_t found = std::string_view::npos;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsLeadByte(text[i])) {
      ++i;
    } else if (text[i] == c) {
      found = i;
      if (!last) break;
    }
  }
  return found;
}

}  // namespace

std::string FoldProfileName(std::string_view name) {
  name = TrimBlanks(name);
  std::string folded;
  folded.reserve(name.size());
  for (std::size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    if (IsLeadByte(c)) {
      folded += c;
      if (i + 1 < name.size()) folded += name[++i];
    } else if (c >= 'A' && c <= 'Z') {
      folded += static_cast<char>(c - 'A' + 'a');
    } else {
      folded += c;
    }
  }
  return folded;
}

const std::string* ProfileSection::Find(std::string_view key) const {
  const auto it = values_.find(FoldProfileName(key));
  return it == values_.end() ? nullptr : &it->second;
}

void ProfileSection::Add(std::string folded_key, std::string value) {
  if (values_.contains(folded_key)) return;
  keys_.push_back(folded_key);
  values_.emplace(std::move(folded_key), std::move(value));
}

ProfileFile ProfileFile::Parse(std::string_view bytes) {
  ProfileFile file;
  ProfileSection* section = nullptr;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    ++file.line_count_;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    line = TrimBlanks(line);
    if (line.empty()) continue;
    if (line.front() == '[') {
      line.remove_prefix(1);
      const std::size_t close = FindCharacter(line, ']', /*last=*/true);
      const auto [it, added] = file.sections_.try_emplace(FoldProfileName(line.substr(0, close)));
      section = added ? &it->second : nullptr;
      continue;
    }
    if (section == nullptr) continue;
    const std::size_t equals = FindCharacter(line, '=', /*last=*/false);
    if (equals == std::string_view::npos) {
      section->Add(FoldProfileName(line), std::string());
    } else {
      section->Add(FoldProfileName(line.substr(0, equals)),
                   std::string(TrimBlanks(line.substr(equals + 1))));
    }
  }
  return file;
}

const ProfileSection* ProfileFile::FindSection(std::string_view name) const {
  const auto it = sections_.find(FoldProfileName(name));
  return it == sections_.end() ? nullptr : &it->second;
}

std::string ProfileFile::Read(std::string_view section, std::string_view key) const {
  const ProfileSection* const found = FindSection(section);
  if (found == nullptr) return std::string();
  const std::string* const value = found->Find(key);
  return value == nullptr ? std::string() : *value;
}

void AppendSectionLine(std::string& out, std::string_view name) {
  out += '[';
  out += name;
  out += "]\r\n";
}

void AppendKeyLine(std::string& out, std::string_view key, std::string_view value) {
  out += key;
  out += '=';
  out += value;
  out += "\r\n";
}

}  // namespace varnelle
