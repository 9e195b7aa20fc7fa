#pragma once
// JSON documents as varnel-cli prints them: written by the JSON library, on one line.

#include <nlohmann/json.hpp>
#include <string>

namespace varnel {

// Members keep the order they were added in.
using Json = nlohmann::ordered_json;

// The document on one line, a space after each colon and comma:
// {"regex": "(a)", "format": "$1"}
std::string json_text(const Json& document);

// Varnel's text as a JSON string. A surrogate without its partner cannot be written in UTF-8: it
// becomes U+FFFD, as in plain output.
Json json_string(const std::wstring& text);

} // namespace varnel
