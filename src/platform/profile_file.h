#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zorva {

// The text of a profile file ("initialization file") held in memory, read and changed with the
// semantics of the Windows profile functions: section and key names match without regard to case,
// the first of duplicate sections or keys is the one that counts, a replaced key keeps its line,
// a new key goes to the end of its section and a new section to the end of the file. Every line the
// program does not write (comments, other sections, unknown keys, even garbage) is kept as it was.
class TProfileFile {
  public:
    // A value read is taken only up to this many characters.
    static constexpr std::size_t MaxValueLength = 2047;

    // Any bytes at all are accepted; lines may end in LF, CRLF or CR, the last one need not end.
    static TProfileFile Parse(std::string_view text);

    // The value of the key, without the blanks around it; nothing when the section or key is missing.
    std::optional<std::string> GetString(std::string_view section, std::string_view key) const;

    // Line breaks inside the value become blanks, so a value can never start a line of its own.
    void SetString(std::string_view section, std::string_view key, std::string_view value);

    // Every line ends in the line break the file used first (LF for a new file).
    std::string Serialise() const;

  private:
    // A line is a stretch of storage_, which only ever grows: the file as read, then each line the
    // program writes. Offsets rather than pointers keep the image cheap to copy and move, and a
    // megabyte of empty lines costs two words a line.
    struct TLine {
        std::size_t Offset;
        std::size_t Length;
    };
    // The lines of one section: its header and the lines after it, up to the next header.
    struct TSectionSpan {
        std::size_t Header;
        std::size_t End;
    };

    // Where each section and each of its keys first stands, by lower-case name: a game's read asks
    // for 22 keys of each of 9 sections, and each lookup would otherwise scan the file again.
    struct TSectionEntry {
        TSectionSpan Span;
        std::unordered_map<std::string, std::size_t> Keys;
    };
    using TIndex = std::unordered_map<std::string, TSectionEntry>;

    std::string_view Text(const TLine& line) const { return {storage_.data() + line.Offset, line.Length}; }
    const TSectionEntry* FindSection(std::string_view section) const;
    const TIndex& Index() const;
    TLine Store(std::string_view text);

    std::string storage_;
    std::vector<TLine> lines_;
    // Built at the first lookup after the lines changed.
    mutable std::optional<TIndex> index_;
    bool byteOrderMark_ = false;
    std::string lineBreak_ = "\n";
};

} // namespace zorva
