#include "platform/linux/drive_map.h"

#include <gtest/gtest.h>

namespace platform::host {
namespace {

TEST(ParseMountPoints, TakesTheSecondFieldAndDecodesEscapes) {
  const std::string table =
      "/dev/vda / ext4 rw,relatime 0 0\n"
      "proc /proc proc rw 0 0\n"
      "/dev/sdb1 /media/me/USB\\040STICK vfat rw 0 0\n"
      "/dev/sdc1 /mnt/back\\134slash ext4 rw 0 0\n"
      "\n"
      "broken-line-without-fields\n"
      "/dev/sdd1 /mnt/last ext4 rw 0 0";
  EXPECT_EQ(ParseMountPoints(table), (std::vector<std::string>{"/", "/proc", "/media/me/USB STICK",
                                                               "/mnt/back\\slash", "/mnt/last"}));
}

TEST(DriveMap, MountsOneLevelBelowTheUsersMediaAndMntBecomeDInSortedOrder) {
  const DriveMap map = DriveMap::FromMounts(
      {"/", "/proc", "/mnt/zeta", "/media/me/USB STICK", "/media/other/x", "/run/media/me/cam",
       "/mnt/deep/er", "/mnt/alpha", "/media/me", "/mnt/alpha", "/home/me/mnt/x"},
      "me");
  EXPECT_EQ(map.Root('C'), "/");
  EXPECT_EQ(map.Root('D'), "/media/me/USB STICK");
  EXPECT_EQ(map.Root('e'), "/mnt/alpha");
  EXPECT_EQ(map.Root('F'), "/mnt/zeta");
  EXPECT_EQ(map.Root('G'), "/run/media/me/cam");
  EXPECT_EQ(map.Root('H'), "");
  EXPECT_EQ(map.Root('A'), "");
  EXPECT_EQ(map.Mask(), 0x7Cu);  // C, D, E, F, G
}

TEST(DriveMap, WithoutAUserOnlyMntCountsAndLettersEndAtZ) {
  std::vector<std::string> mounts{"/media/me/usb"};
  for (int i = 0; i < 30; ++i) mounts.push_back("/mnt/m" + std::to_string(100 + i));
  const DriveMap map = DriveMap::FromMounts(mounts, "");
  EXPECT_EQ(map.Root('D'), "/mnt/m100");
  EXPECT_EQ(map.Root('Z'), "/mnt/m122");
  EXPECT_EQ(map.Mask(), 0x3FFFFFCu);  // C to Z
}

TEST(DriveMap, LocateTakesTheLongestRootOnWholeNames) {
  const DriveMap map = DriveMap::FromMounts({"/media/me/usb", "/mnt/usb"}, "me");
  struct Case {
    std::string path;
    char letter;
    std::string rest;
  };
  for (const Case& c : std::vector<Case>{
           {"/", 'C', ""},
           {"/etc/fstab", 'C', "etc/fstab"},
           {"/media/me/usb", 'D', ""},
           {"/media/me/usb/a/b", 'D', "a/b"},
           {"/media/me/usbx/a", 'C', "media/me/usbx/a"},
           {"/mnt/usb/x", 'E', "x"},
           {"/mnt", 'C', "mnt"},
       }) {
    const DriveMap::Location at = map.Locate(c.path);
    EXPECT_EQ(at.letter, c.letter) << c.path;
    EXPECT_EQ(at.rest, c.rest) << c.path;
  }
  EXPECT_TRUE(map.IsRoot("/"));
  EXPECT_TRUE(map.IsRoot("/mnt/usb"));
  EXPECT_FALSE(map.IsRoot("/mnt"));
  EXPECT_FALSE(map.IsRoot("/mnt/usb/x"));
}

}  // namespace
}  // namespace platform::host
