#include "script/memory_status.h"

#include <gtest/gtest.h>

#include <limits>

namespace vx {
namespace {

class FakeProcess : public platform::Process {
 public:
  explicit FakeProcess(platform::MemoryStatus status) : status_(status) {}
  [[noreturn]] void Terminate(int) override { throw std::logic_error("not in this test"); }
  std::uint32_t RandomSeed() override { return 0; }
  std::string CommandLine() override { return {}; }
  unsigned SystemCodePage() override { return 1252; }
  bool UseTextCodePage(unsigned) override { return true; }
  platform::MemoryStatus QueryMemory() override { return status_; }
  bool IsOnline() override { return false; }
  void ShellOpen(const std::string&, const std::string&, int) override {}
  void SendMciCommand(const std::string&) override {}
  void PlaySystemSound(unsigned) override {}
  void SoundSpeaker(unsigned, unsigned) override {}

 private:
  platform::MemoryStatus status_;
};

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::uint64_t kGiB = std::uint64_t{1} << 30;

struct MemoryCase {
  std::uint64_t total;
  std::uint64_t available;
  std::int32_t expectedTotal;
  std::int32_t expectedAvailable;
};

class MemoryStatusTest : public ::testing::TestWithParam<MemoryCase> {};

TEST_P(MemoryStatusTest, ReportsSaturatedFigures) {
  const MemoryCase& c = GetParam();
  FakeProcess process({c.total, c.available});
  EXPECT_EQ(GetTotalPhysMem(process), c.expectedTotal);
  EXPECT_EQ(GetAvailPhysMem(process), c.expectedAvailable);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MemoryStatusTest,
    ::testing::Values(MemoryCase{0, 0, 0, 0}, MemoryCase{kGiB, kGiB / 2, 1 << 30, 1 << 29},
                      MemoryCase{2 * kGiB - 1, 2 * kGiB - 2, kMax, kMax - 1},
                      // 2 GiB and more would have come out negative in 32 bits.
                      MemoryCase{2 * kGiB, 2 * kGiB, kMax, kMax},
                      MemoryCase{16 * kGiB, 3 * kGiB, kMax, kMax},
                      MemoryCase{4 * kGiB + 5, kGiB, kMax, 1 << 30},
                      MemoryCase{~std::uint64_t{0}, ~std::uint64_t{0}, kMax, kMax}));

}  // namespace
}  // namespace vx
