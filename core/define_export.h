// The RarIveza Pro DEFINE block of a setting, as the window puts it on the clipboard and
// spbrg --defines prints it: three lines, each ended by CR LF, and the optional overrun line.
#pragma once

#include <string>
#include <string_view>

namespace brg {

// spbrgText and baudText go in as given: the caption on show and the baud rate as typed. The
// prefix names the port: HSER for the first USART, HSER2 for the second.
std::string DefineBlock(bool brgh, std::string_view spbrgText, std::string_view baudText,
                        std::string_view prefix = "HSER");

// The line that turns on the automatic clearing of receive-overrun errors; it has no line end
// of its own.
std::string OverrunClearLine(std::string_view prefix = "HSER");

}  // namespace brg
