#include "manual/drillingsteps.h"

#include "drilling/drillingcommands.h"
#include "support/testmain.h"

#include <QImage>

#include <gtest/gtest.h>

using testing_support::doubles;

namespace manual {

void Tick(int ticks, int ms)
{
    for (int i = 0; i < ticks; ++i) {
        doubles().clock.Advance(ms);
        ASSERT_TRUE(doubles().timers.last->Fire(2)) << "the drilling tick does not run";
    }
}

void Pulse()
{
    ASSERT_TRUE(doubles().gamePort.Deliver(true, drilling::kButton1 | drilling::kButton1Changed));
    doubles().queue.DeliverAll();
}

int PixelsOf(const QImage& picture, int bottom, unsigned rgb)
{
    int n = 0;
    for (int y = 0; y < bottom && y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            n += (picture.pixel(x, y) & 0xFFFFFFu) == (rgb & 0xFFFFFFu);
    return n;
}

}  // namespace manual
