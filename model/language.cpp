#include "model/language.h"

unsigned char g_bChinese = 0;
