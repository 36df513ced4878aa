// What follows a form body in "Contents": the pictures a Runlet save embeds
// (group 'y'), the OLE items' list (a u32 count, then the items) and the
// picture references (group 0x2A). A body read out of step, because a
// record in it was damaged, ends at some 0xFF inside itself; what is left
// after such an end is none of these, and the file is refused.
#pragma once

#include <cstdint>
#include <span>

// True when the bytes after the body can be what follows a body: nothing
// at all; or, after an optional 'y' group, a count of items no larger than
// the last item number the body handed out, and, when there are no items,
// nothing or one 0x2A group and nothing after it. Items themselves are the
// framework's and are not looked into.
bool IsFormTrailer(std::span<const uint8_t> bytes, uint16_t lastOleItem);
