// The solid models (glass sphere, centrepiece) as display lists built from their tables.
#pragma once

#include <cstdint>

namespace frost {

// A contiguous range of display lists compiled once from the mesh tables and drawn one list at
// a time. Subclasses say how many lists they need and what goes into each.
class Mesh {
 public:
  Mesh() = default;
  Mesh(const Mesh&) = delete;
  Mesh& operator=(const Mesh&) = delete;

  virtual bool Create() { return false; }
  // Runs list `index` of the range; false (and nothing drawn) outside it.
  virtual bool Draw(int index);
  virtual bool LoadTextures() { return false; }
  virtual bool Build() { return false; }

  // Deletes the lists; needs the context they were made in.
  void Destroy();

  std::int32_t listCount = 0;
  std::uint32_t listBase = 0;

 protected:
  // The scene destroys each mesh through its own member.
  ~Mesh() { Destroy(); }
  bool Allocate(std::int32_t count);
  bool Compile();
};

// The inside-out glass sphere: one list.
class SphereMesh final : public Mesh {
 public:
  ~SphereMesh() = default;
  bool Create() override { return Allocate(1) && Compile(); }
  bool LoadTextures() override { return true; }
  bool Build() override;
};

// The centrepiece: lists 0 to 2, one per part; part 2 is drawn with GL_NORMALIZE.
class CentrepieceMesh final : public Mesh {
 public:
  ~CentrepieceMesh() = default;
  bool Create() override { return Allocate(3) && Compile(); }
  bool LoadTextures() override { return true; }
  bool Build() override;
};

}  // namespace frost
