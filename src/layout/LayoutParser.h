#pragma once
// Parses layout text:
//   object Form1: TForm1
//     Left = 263                     integers, negative or $hex
//     Caption = 'It''s'#13#10'x' +   strings: quoted UTF-8, '' for a quote, #n for a character,
//       'more'                       split across lines with +
//     Font.Style = [fsBold]          sets; identifiers; binary data as {hex}
//     object Panel1: TPanel ... end
//   end
#include "layout/LayoutNode.h"

#include <string>
#include <string_view>

namespace layout {

// Throws LayoutError naming the layout and line on malformed text.
ObjectNode parseLayout(std::string_view text, const std::string& layoutName);

// Objects nest at most this deep; deeper text is refused rather than exhausting the stack.
constexpr int maxLayoutDepth = 64;

} // namespace layout
