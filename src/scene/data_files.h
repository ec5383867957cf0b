// The pictures the scene loads, under the names the art generator (tools/artgen) paints them
// and the build lists as its outputs: the build reads every quoted .jpg or .tga name in this
// file, so this is the one list. No other quoted names belong here.
#pragma once

#include <array>

namespace frost::data_files {

// Cube maps, in the order LoadCubeMap takes their faces: front, back, top, bottom, left, right.
inline constexpr std::array<const char*, 6> kGlassCube = {
    "scene/data/myfront.jpg",  "scene/data/myback.jpg", "scene/data/mytop2.jpg",
    "scene/data/mybottom.jpg", "scene/data/myleft.jpg", "scene/data/myrite.jpg"};
inline constexpr std::array<const char*, 6> kCentrepieceCube = {
    "scene/data/myfronta2.jpg",  "scene/data/mybacka2.jpg", "scene/data/mytop2a2.jpg",
    "scene/data/mybottoma2.jpg", "scene/data/mylefta2.jpg", "scene/data/myritea2.jpg"};
// The skybox: up, down, left, right, front, back.
inline constexpr std::array<const char*, 6> kSkyFaces = {
    "scene/data/grave_up.jpg", "scene/data/grave_dn.jpg", "scene/data/grave_lf.jpg",
    "scene/data/grave_rt.jpg", "scene/data/grave_ft.jpg", "scene/data/grave_bk.jpg"};

inline constexpr const char* kGround = "scene/data/ground.jpg";
inline constexpr const char* kGroundDetail = "scene/data/detail2.jpg";
inline constexpr const char* kFrostGlass = "scene/data/io.jpg";
inline constexpr const char* kGlowSprite = "scene/data/bass.jpg";
inline constexpr const char* kSnowflake = "scene/data/basics.jpg";
// The frame-rate counter's glyphs, beside the program rather than among the scene's pictures.
inline constexpr const char* kFont = "font.tga";

}  // namespace frost::data_files
