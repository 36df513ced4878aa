// Building buffers with a known chain of blocks and reading them back.
#pragma once

#include "forms/fields/richtext/textbuffer.h"

#include <string>
#include <vector>

// The five bytes of a code.
std::string Code(char letter, int16_t value);
// Inserts the text before the end mark of a new buffer.
void Fill(TEXTBUFFER& buffer, const std::string& text);
// The length of every block, in chain order.
std::vector<int> BlockLengths(const TEXTBUFFER& buffer);
// Empty when the chain is sound (links both ways, no empty or overfull
// block, the end mark last); else what is wrong.
std::string ChainFault(const TEXTBUFFER& buffer);
// The position at offset n from the start.
TEXTPOS At(TEXTBUFFER& buffer, int n);
