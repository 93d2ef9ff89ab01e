#include "platform/hid/OutputReportWriter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <latch>
#include <mutex>
#include <vector>

namespace qx71 {
namespace {

using namespace std::chrono_literals;

// Long enough that a working writer always answers within it: the tests never depend on the
// machine's speed (a write that ends returns at once, whatever this bound).
constexpr auto kGenerous = 60s;

// A device whose writes succeed or fail, and may hang until released.
class FakeDevice {
public:
    explicit FakeDevice(bool succeeds = true, bool hangs = false)
        : succeeds_(succeeds), gate_(hangs ? 1 : 0)
    {
    }

    OutputReportWriter::WriteFunction Function()
    {
        return [this](const uint8_t* data, size_t length) {
            gate_.wait();
            std::lock_guard lock(mutex_);
            written_.emplace_back(data, data + length);
            return succeeds_;
        };
    }
    void Release() { gate_.count_down(); }
    std::vector<std::vector<uint8_t>> Written()
    {
        std::lock_guard lock(mutex_);
        return written_;
    }

private:
    const bool succeeds_;
    std::latch gate_;
    std::mutex mutex_;
    std::vector<std::vector<uint8_t>> written_;
};

const std::vector<uint8_t> kReportA = {0x02, 0x11, 0x22};
const std::vector<uint8_t> kReportB = {0x02, 0x33, 0x44};

TEST(OutputReportWriter, AWriteThatEndsAtOnceIsDoneOrFailed)
{
    FakeDevice good;
    FakeDevice refusing(false);
    {
        OutputReportWriter toGood(good.Function(), kGenerous);
        OutputReportWriter toRefusing(refusing.Function(), kGenerous);
        EXPECT_EQ(toGood.Submit(kReportA.data(), kReportA.size()), HidWriteResult::Done);
        EXPECT_EQ(toGood.Submit(kReportB.data(), kReportB.size()), HidWriteResult::Done);
        EXPECT_EQ(toRefusing.Submit(kReportA.data(), kReportA.size()), HidWriteResult::Failed);
        EXPECT_EQ(toGood.Submit(nullptr, 3), HidWriteResult::Failed);
        EXPECT_EQ(toGood.Submit(kReportA.data(), 0), HidWriteResult::Failed);
        EXPECT_TRUE(toGood.WaitIdle(0ms));
    }
    EXPECT_EQ(good.Written(), (std::vector<std::vector<uint8_t>>{kReportA, kReportB}));
}

// A device that stops taking reports: the caller is told "pending", stops waiting when its
// time is up, and the reports go out in order once the device takes them again.
TEST(OutputReportWriter, AHungWriteIsPendingAndNeverHoldsTheCaller)
{
    FakeDevice hung(true, true);
    OutputReportWriter writer(hung.Function(), 0ms);
    EXPECT_EQ(writer.Submit(kReportA.data(), kReportA.size()), HidWriteResult::Pending);
    EXPECT_FALSE(writer.WaitIdle(1ms));
    EXPECT_EQ(writer.Submit(kReportB.data(), kReportB.size()), HidWriteResult::Pending);
    EXPECT_FALSE(writer.WaitIdle(0ms));

    hung.Release();
    EXPECT_TRUE(writer.WaitIdle(kGenerous));
    EXPECT_EQ(hung.Written(), (std::vector<std::vector<uint8_t>>{kReportA, kReportB}));
}

TEST(OutputReportWriter, RefusesReportsBeyondTheOutstandingLimit)
{
    FakeDevice hung(true, true);
    OutputReportWriter writer(hung.Function(), 0ms);
    for (size_t i = 0; i < OutputReportWriter::kMaxOutstanding; ++i) {
        EXPECT_EQ(writer.Submit(kReportA.data(), kReportA.size()), HidWriteResult::Pending) << i;
    }
    EXPECT_EQ(writer.Submit(kReportB.data(), kReportB.size()), HidWriteResult::Failed);
    hung.Release();
    EXPECT_TRUE(writer.WaitIdle(kGenerous));
    EXPECT_EQ(hung.Written().size(), OutputReportWriter::kMaxOutstanding);
}

// Stop does not wait for the write in progress, drops the reports behind it and refuses new
// ones; the writer's thread ends once the device lets go.
TEST(OutputReportWriter, StopDropsQueuedReportsWithoutWaiting)
{
    FakeDevice hung(true, true);
    {
        OutputReportWriter writer(hung.Function(), 0ms);
        writer.Submit(kReportA.data(), kReportA.size());
        writer.Submit(kReportB.data(), kReportB.size());
        writer.Stop();
        EXPECT_EQ(writer.Submit(kReportA.data(), kReportA.size()), HidWriteResult::Failed);
        hung.Release();
    }
    // Only the report already in the device's hands (if the thread had taken it) went out.
    EXPECT_LE(hung.Written().size(), 1u);
    for (const auto& report : hung.Written()) {
        EXPECT_EQ(report, kReportA);
    }
}

} // namespace
} // namespace qx71
