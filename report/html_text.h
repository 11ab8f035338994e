#pragma once
// Putting program texts into an HTML page.

#include <string>
#include <string_view>

namespace report {

// The text with "&", "<", ">" and '"' written as character references, so that a typed value
// shows as typed and cannot add markup or end an attribute.
std::string escapeHtml(std::string_view text);

}  // namespace report
