#include "platform/profile_file.h"

#include <algorithm>

namespace zorva {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Names match without regard to case, as the profile functions match them: ASCII letters only.
std::string Lower(std::string_view name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(), LowerAscii);
    return lower;
}

// "[name]" with blanks allowed around the line and the name; anything after the last "]" is ignored.
std::optional<std::string_view> SectionNameOf(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    const auto close = line.rfind(']');
    if (close == 0 || close == std::string_view::npos) {
        return std::nullopt;
    }
    return Trim(line.substr(1, close - 1));
}

struct TKeyLine {
    std::string_view Key;
    std::string_view Value;
};

// "key=value" with blanks allowed around both; a line without "=" or a section header is no key.
std::optional<TKeyLine> KeyLineOf(std::string_view line) {
    if (SectionNameOf(line)) {
        return std::nullopt;
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return TKeyLine{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

std::string WithoutLineBreaks(std::string_view value) {
    std::string text(value);
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

} // namespace

TProfileFile TProfileFile::Parse(std::string_view text) {
    TProfileFile file;
    file.storage_.assign(text);
    const std::string& all = file.storage_;
    std::size_t position = 0;
    if (all.starts_with(ByteOrderMark)) {
        file.byteOrderMark_ = true;
        position = ByteOrderMark.size();
    }
    bool lineBreakSeen = false;
    while (position < all.size()) {
        const auto end = all.find_first_of("\r\n", position);
        if (end == std::string::npos) {
            file.lines_.push_back({position, all.size() - position});
            break;
        }
        file.lines_.push_back({position, end - position});
        const bool crlf = all[end] == '\r' && end + 1 < all.size() && all[end + 1] == '\n';
        if (!lineBreakSeen) {
            file.lineBreak_ = crlf ? "\r\n" : std::string(1, all[end]);
            lineBreakSeen = true;
        }
        position = end + (crlf ? 2 : 1);
    }
    return file;
}

const TProfileFile::TIndex& TProfileFile::Index() const {
    if (index_)
        return *index_;
    TIndex& index = index_.emplace();
    // Lines before the first section, and the keys of a repeated section, belong to no entry.
    TSectionEntry* open = nullptr;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::string_view line = Text(lines_[i]);
        if (const auto name = SectionNameOf(line)) {
            if (open)
                open->Span.End = i;
            const auto [entry, isNew] =
                index.try_emplace(Lower(*name), TSectionEntry{{i, lines_.size()}, {}});
            open = isNew ? &entry->second : nullptr;
        } else if (const auto keyLine = KeyLineOf(line); keyLine && open) {
            open->Keys.try_emplace(Lower(keyLine->Key), i);
        }
    }
    if (open)
        open->Span.End = lines_.size();
    return index;
}

const TProfileFile::TSectionEntry* TProfileFile::FindSection(std::string_view section) const {
    const TIndex& index = Index();
    const auto found = index.find(Lower(section));
    return found == index.end() ? nullptr : &found->second;
}

std::optional<std::string> TProfileFile::GetString(std::string_view section, std::string_view key) const {
    const TSectionEntry* entry = FindSection(section);
    if (entry == nullptr)
        return std::nullopt;
    const auto found = entry->Keys.find(Lower(key));
    if (found == entry->Keys.end())
        return std::nullopt;
    return std::string(KeyLineOf(Text(lines_[found->second]))->Value.substr(0, MaxValueLength));
}

TProfileFile::TLine TProfileFile::Store(std::string_view text) {
    const TLine line{storage_.size(), text.size()};
    storage_.append(text);
    return line;
}

void TProfileFile::SetString(std::string_view section, std::string_view key, std::string_view value) {
    const std::string cleanValue = WithoutLineBreaks(value);
    const TSectionEntry* entry = FindSection(section);
    if (entry == nullptr) {
        if (!lines_.empty() && !Trim(Text(lines_.back())).empty()) {
            lines_.push_back(Store(""));
        }
        lines_.push_back(Store("[" + std::string(section) + "]"));
        lines_.push_back(Store(std::string(key) + "=" + cleanValue));
        index_.reset();
        return;
    }
    if (const auto found = entry->Keys.find(Lower(key)); found != entry->Keys.end()) {
        // The key keeps its line and the spelling the file gave it; the index still holds.
        const std::size_t index = found->second;
        const std::string keyName(KeyLineOf(Text(lines_[index]))->Key);
        lines_[index] = Store(keyName + "=" + cleanValue);
        return;
    }
    // After the section's last line that is not blank, so the blank lines that part it from the
    // next section stay where they are.
    const TSectionSpan span = entry->Span;
    std::size_t insertAt = span.Header + 1;
    for (std::size_t i = span.Header + 1; i < span.End; ++i) {
        if (!Trim(Text(lines_[i])).empty()) {
            insertAt = i + 1;
        }
    }
    const TLine line = Store(std::string(key) + "=" + cleanValue);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), line);
    index_.reset();
}

std::string TProfileFile::Serialise() const {
    std::string text;
    if (byteOrderMark_) {
        text += ByteOrderMark;
    }
    for (const TLine& line : lines_) {
        text += Text(line);
        text += lineBreak_;
    }
    return text;
}

} // namespace zorva
