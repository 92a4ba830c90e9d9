#pragma once
// The language flag, 1 = Chinese, 0 = English, set by each program's start
// from the language it chose. Only the radio's word tables still choose by
// it (the display words of the channel codec and the cell commit, and the
// fields' list items); everything else is handed the program's catalogue.

extern unsigned char g_bChinese;
