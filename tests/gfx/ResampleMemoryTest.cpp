// What the resampler holds: a tall, thin picture shrunk into a wide, short box once asked for the
// source's height times the result's width (gigabytes at 400 %); now its largest allocation stays
// in proportion to the source plus the result, the form's budget pays for it, and memory that
// cannot be had makes no copy instead of ending the program.
//
// A program of its own: it counts allocations through a global operator new, which the other
// tests must not lose the sanitizer's checks of new and delete to.

#include "fuzz/AllocationWatch.h"
#include "gfx/Resample.h"
#include "ui/ImageCache.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>

namespace {

class Watch {
public:
    explicit Watch(std::size_t refuseAbove = std::numeric_limits<std::size_t>::max())
    {
        allocation_watch::largest = 0;
        allocation_watch::refusedAbove = refuseAbove;
        allocation_watch::watching = true;
    }
    ~Watch()
    {
        allocation_watch::watching = false;
        allocation_watch::refusedAbove = std::numeric_limits<std::size_t>::max();
    }
    Watch(Watch const&) = delete;
    Watch& operator=(Watch const&) = delete;

    std::size_t Largest() const { return allocation_watch::largest; }
};

using namespace gfx;

TEST(ResampleMemory, TheLargestAllocationIsInProportionToTheSourcePlusTheResult)
{
    std::mt19937 random(23);
    auto const side = [&random](int most) { return std::uniform_int_distribution<int>(1, most)(random); };
    for (int run = 0; run < 40; ++run) {
        // Thin and tall into wide and short, or the other way round, at 100 ... 400 %.
        bool const tall = run % 2 == 0;
        Size const source = tall ? Size { side(40), side(4000) } : Size { side(4000), side(40) };
        double const scale = std::uniform_real_distribution<double>(1.0, 4.0)(random);
        Size const units = tall ? Size { side(4000), side(3) } : Size { side(3), side(4000) };
        Size const result { std::max(1, static_cast<int>(units.width * scale)),
            std::max(1, static_cast<int>(units.height * scale)) };
        auto const picture = Image::Create(source.width, source.height, MakePixel(10, 20, 30));
        std::int64_t const pixels = std::int64_t { source.width } * source.height
            + std::int64_t { result.width } * result.height;
        Watch watch;
        auto const copy = Resampled(*picture, picture->Bounds(), result);
        ASSERT_TRUE(copy);
        EXPECT_LE(static_cast<std::int64_t>(watch.Largest()), 16 * pixels)
            << source.width << "x" << source.height << " to " << result.width << "x" << result.height;
    }
}

TEST(ResampleMemory, TheBudgetPaysForWhatTheResampleHoldsAndMemoryRefusedMakesNoCopy)
{
    // The 1 x 16384 picture drawn 4096 units wide at 400 %.
    auto const picture = Image::Create(1, 16384, MakePixel(0, 0, 120));
    Size const size { 16384, 4 };
    ui::ImageCache cache;
    std::int64_t const resultPixels = std::int64_t { size.width } * size.height;
    PixelBudget& budget = cache.Budget();
    ASSERT_TRUE(budget.Take(budget.Left() - resultPixels));
    EXPECT_FALSE(cache.ResampledWithinBudget(*picture, size)) << "the result's pixels alone do not pay for it";
    EXPECT_EQ(budget.Left(), resultPixels) << "a refused resample takes nothing";
    std::int64_t const work = ResampleWorkPixels(picture->Size(), size);
    budget.Give(work);
    EXPECT_TRUE(cache.ResampledWithinBudget(*picture, size));
    EXPECT_EQ(budget.Left(), work) << "the copy keeps its pixels; what the resample held is back";

    Watch refusing(64 * 1024);
    EXPECT_FALSE(Resampled(*picture, picture->Bounds(), { 4096, 4096 }));
    EXPECT_FALSE(Image::Create(4096, 4096));
}

}
