#pragma once
// The process-wide language flag, fixed at start-up: 1 = Chinese, 0 = English.
// Every text built in code picks its English or Chinese wording by it.

extern unsigned char g_bChinese;

// Picks the wording of the language in use from a literal pair.
inline const char* Tr2(const char* english, const char* chinese) {
    return g_bChinese ? chinese : english;
}
