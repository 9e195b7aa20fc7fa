#pragma once
// Quoting a regex and a format for the shell and for the languages' string and regex literals, as
// the languages' "copy as code" writes them.

#include <string>
#include <vector>

namespace varnel {

// The text as one word of a POSIX shell: in single quotes, each "'" written as '\''.
std::wstring shell_quote(const std::wstring& text);
// The words of the files after a command, each with a space before it.
std::wstring shell_arguments(const std::vector<std::wstring>& files);
// A backslash before every character of chars that is not escaped already, so that a delimiter
// ("/" of s/.../.../) or Perl's "@" stands for itself inside a literal.
std::wstring escape_unescaped(const std::wstring& text, const std::wstring& chars);
// Line feeds and carriage returns as "\n" and "\r", which a literal cannot hold as themselves.
std::wstring escape_line_breaks(const std::wstring& text);
// The text as a string literal in single quotes that Python and JavaScript both read back
// exactly: backslash escapes for the backslash, the quote and every control character.
std::wstring quoted_string(const std::wstring& text);

} // namespace varnel
