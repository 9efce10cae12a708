// The drive box's logic: the drives it lists, the one it shows, and the
// index of that drive in the session's Loaded index.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "ui/drive_box_view.h"
#include "index/index_store.h"
#include "index/loaded_index.h"
#include "jump/go_action.h"
#include "platform/drives.h"
#include "platform/volumes.h"

namespace vyr {

class DriveSelection final : public DriveBox {
 public:
  DriveSelection(DriveBoxView& view, platform::Volumes& volumes, const IndexStore& store,
                 LoadedIndex& index)
      : view_(view), volumes_(volumes), store_(store), index_(index) {}

  // Fills the box with `drives`, in their order.
  void Fill(std::vector<platform::DriveInfo> drives);
  const std::vector<platform::DriveInfo>& drives() const { return drives_; }

  // DriveBox: a letter compared without regard to case; the drive shown
  // already changes nothing, a letter that names no drive neither.
  char CurrentLetter() const override { return current_letter_; }
  void SelectDrive(char letter) override;

  // The user picked entry `position` of the box, which shows it already.
  void Pick(std::size_t position);

  bool Lists(char letter) const { return EntryOf(letter).has_value(); }

 private:
  std::optional<std::size_t> EntryOf(char letter) const;
  void LoadIndex();  // DriveBox1Change

  DriveBoxView& view_;
  platform::Volumes& volumes_;
  const IndexStore& store_;
  LoadedIndex& index_;
  std::vector<platform::DriveInfo> drives_;
  char current_letter_ = 0;
};

}  // namespace vyr
