#pragma once
// The preview's text files: read as UTF-8 when they are, as Latin-1 otherwise, and written back
// in the same encoding atomically: into a temporary file in the same folder, flushed, then renamed
// over the target, so that a failed write leaves the target as it was.

#include <atomic>
#include <string>
#include <variant>

#include <QString>

namespace varnel {

struct TextFileContents {
    enum class Encoding { utf8, latin1 };

    std::wstring text;
    Encoding encoding = Encoding::utf8;
};

// The file's text, or why it cannot be read.
std::variant<TextFileContents, QString> read_text_file(const QString& path);

// Writes the text; empty on success, else why nothing was written. A text with characters that
// Latin-1 lacks is not written in Latin-1. Once cancelled turns true, the file is left as it was,
// unless its new contents are already being put in its place.
QString write_text_file(const QString& path, const TextFileContents& contents,
                        const std::atomic<bool>* cancelled = nullptr);

} // namespace varnel
