// Small pictures drawn on the buttons and indicators, written as rows of text ('#' ink,
// '+' half ink, '.' empty) so that each can be held against the button it ends up on.
#pragma once

#include <string_view>

namespace partsgen::glyphs {

// Transport buttons (cbuttons.bmp).
inline constexpr std::string_view kPrevious[] = {
    "##....#...#",
    "##...##..##",
    "##..###.###",
    "##.########",
    "##..###.###",
    "##...##..##",
    "##....#...#",
};
inline constexpr std::string_view kPlay[] = {
    "##.....",
    "####...",
    "######.",
    "#######",
    "######.",
    "####...",
    "##.....",
};
inline constexpr std::string_view kPause[] = {
    "##..##", "##..##", "##..##", "##..##", "##..##", "##..##", "##..##",
};
inline constexpr std::string_view kStop[] = {
    "#######", "#######", "#######", "#######", "#######", "#######", "#######",
};
inline constexpr std::string_view kNext[] = {
    "#...#....##",
    "##..##...##",
    "###.###..##",
    "########.##",
    "###.###..##",
    "##..##...##",
    "#...#....##",
};
inline constexpr std::string_view kEject[] = {
    "....#....",
    "...###...",
    "..#####..",
    ".#######.",
    "#########",
    ".........",
    "#########",
    "#########",
};

// The repeat loop of shufrep.bmp: a ring with an arrow at two corners.
inline constexpr std::string_view kRepeat[] = {
    "........#..",
    ".#########.",
    "#.......#.#",
    "#.........#",
    "#.#.......#",
    ".#########.",
    "..#........",
};

// Play state indicators (playpaus.bmp), small enough for a 9 x 9 cell.
inline constexpr std::string_view kSmallPlay[] = {
    "#...", "##..", "###.", "####", "###.", "##..", "#...",
};
inline constexpr std::string_view kSmallPause[] = {
    "##.##", "##.##", "##.##", "##.##", "##.##", "##.##", "##.##",
};
inline constexpr std::string_view kSmallStop[] = {
    "#####", "#####", "#####", "#####", "#####",
};

// The 9 x 9 title-bar buttons (titlebar.bmp) and the equalizer's close button.
inline constexpr std::string_view kMenu[] = {"#####", ".....", "#####", ".....", "#####"};
inline constexpr std::string_view kMinimise[] = {".....", ".....", ".....", "#####", "#####"};
inline constexpr std::string_view kClose[] = {"#...#", ".#.#.", "..#..", ".#.#.", "#...#"};
inline constexpr std::string_view kShade[] = {"#####", "#####", ".....", ".....", "....."};
inline constexpr std::string_view kUnshade[] = {"#####", "#...#", "#...#", "#...#", "#####"};

}  // namespace partsgen::glyphs
