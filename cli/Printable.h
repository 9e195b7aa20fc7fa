#pragma once
// Bytes from the user (an argument, a file name) made safe to show in a message.

#include <string>
#include <string_view>

namespace varnel {

// Control characters (C0, DEL, C1) and bytes that are not UTF-8 are escaped as \xNN (\u00NN for a
// C1 character), a backslash as \\, so that nothing echoed can steer the terminal and every escape
// reads one way. The rest of the UTF-8 text stays as it is.
std::string printable(std::string_view bytes);

} // namespace varnel
