#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The profile (INI) format of the data file: "[name]" lines open sections, "name=value" lines
// set keys. Names match without regard to ASCII letter case and blanks around them; a two-byte
// character (a byte of 0x80 or above and the byte after it) is compared exactly, since its second
// byte may look like an ASCII letter. Values are read whole, blanks around them trimmed.
namespace varnelle {

// `name` without its surrounding blanks, with the ASCII letters of its one-byte characters in
// lower case: two names match exactly when their folded forms are equal.
std::string FoldProfileName(std::string_view name);

// The keys of one section, the first of each name kept.
class ProfileSection {
 public:
  // The value of `key`, or nullptr when the section has no such key.
  const std::string* Find(std::string_view key) const;

  // The folded key names in the order they first appear.
  const std::vector<std::string>& keys() const { return keys_; }

  // Adds a key unless one of the same name is already there. `folded_key` must be folded.
  void Add(std::string folded_key, std::string value);

 private:
  std::unordered_map<std::string, std::string> values_;
  std::vector<std::string> keys_;
};

// A profile file parsed once; lookups do not touch the file again.
class ProfileFile {
 public:
  // Reads the bytes of a profile file. Lines end in CR LF or in LF alone. A line whose first
  // non-blank byte is "[" opens the section named up to its last "]"; a later section of a name
  // already seen is skipped whole. Other non-blank lines inside a section are keys: the name is
  // what comes before the first "=", the value what comes after it (a line without "=" is a key
  // with an empty value). Lines before the first section are ignored.
  static ProfileFile Parse(std::string_view bytes);

  // The section of that name, or nullptr.
  const ProfileSection* FindSection(std::string_view name) const;

  // The value of `key` in `section`; empty when the section or the key is missing.
  std::string Read(std::string_view section, std::string_view key) const;

  // How many lines the file has, blank ones included.
  std::size_t line_count() const { return line_count_; }

 private:
  std::unordered_map<std::string, ProfileSection> sections_;
  std::size_t line_count_ = 0;
};

// Appends a section line "[name]" with its CR LF.
void AppendSectionLine(std::string& out, std::string_view name);

// Appends a key line "key=value" with its CR LF; an empty value leaves nothing after the "=".
void AppendKeyLine(std::string& out, std::string_view key, std::string_view value);

}  // namespace varnelle
