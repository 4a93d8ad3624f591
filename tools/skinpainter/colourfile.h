// The default skin's colours, as its colour file spells them: the painter
// writes them into skins/Default/QSet.ini, and the skin checker's tests
// make complete skins with them.
#pragma once

inline constexpr char kDefaultColourEntries[] = "MainTextColor = (22,46,122);\n"
                                                "BarTextColor = (24,34,58);\n"
                                                "BarBackColor = (226,233,242);\n"
                                                "BarNormalColor = (88,196,120);\n"
                                                "BarLowColor = (246,184,48);\n"
                                                "BarCriticalColor = (232,84,72);\n"
                                                "SkinType = (.png);\n";
