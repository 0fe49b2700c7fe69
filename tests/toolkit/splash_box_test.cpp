// SplashBox: a hot area that pops up a modal picture.
#include "tests/toolkit/toolkit_test_support.h"
#include "toolkit/controls/splash_box.h"
#include "toolkit/core/skin_bitmap.h"

#include <doctest.h>

namespace {

const NativeSurface screen = reinterpret_cast<NativeSurface>(0x600);

// The panner's about box over a background, with a widget underneath.
struct AboutBox : ToolkitFixture {
    Owned<PanelWindow> panel = makeBarePanel({0, 0, 514, 150});
    RecordingListener listener;
    RecordingWidget* under = new RecordingWidget("under", {12, 15, 412, 33});
    SplashBox* box;
    SkinBitmap* picture;

    AboutBox()
    {
        stub::defineBitmap(128, 514, 150);
        stub::defineBitmap(133, 220, 120);
        SkinBitmap* background = new SkinBitmap(128);
        panel->setBackground(background);
        background->release();
        picture = new SkinBitmap(133);
        box = new SplashBox({12, 130, 42, 155}, &listener, 9, picture, {10, 20, 230, 140}, {0, 0});
        picture->release();
        panel->addWidget(under);
        panel->addWidget(box);
    }

    void press(PixelPoint where)
    {
        stub::log().clear();
        journal().clear();
        listener.calls.clear();
        panel->pressWith(screen, where);
    }
};

} // namespace

TEST_CASE_FIXTURE(AboutBox, "splash box: hidden it draws nothing and keeps its picture")
{
    CHECK(picture->referenceCount() == 1);
    CHECK(box->getValue() == 0.0f);
    CHECK(box->getSavedRect() == PixelRect{0, 0, 0, 0});
    Painter painter(panel.get(), screen, nullptr);
    box->draw(painter);
    CHECK(stub::events("bitmap.draw").empty());
}

TEST_CASE_FIXTURE(AboutBox, "splash box: a press shows the picture, a press on it hides it and repaints the panel")
{
    press({20, 140});
    CHECK(box->getValue() == 1.0f);
    CHECK(panel->modalWidget() == box);
    CHECK(box->rect() == PixelRect{10, 20, 230, 140});
    CHECK(box->getSavedRect() == PixelRect{12, 130, 42, 155});
    auto drawn = stub::events("bitmap.draw");
    REQUIRE(drawn.size() == 1);
    CHECK(drawn[0].id == 133);
    CHECK(drawn[0].rect == PixelRect{10, 20, 230, 140});
    CHECK(drawn[0].surface == screen);
    REQUIRE(listener.calls.size() == 1);
    CHECK(listener.calls[0].tag == 9);
    CHECK(listener.calls[0].value == 1.0f);

    // While shown, nothing else reacts and a press beside the picture does nothing.
    press({300, 25});
    CHECK(journal().empty());
    CHECK(listener.calls.empty());
    CHECK(box->getValue() == 1.0f);
    press({20, 25}); // on the picture, over the widget underneath
    CHECK(box->getValue() == 0.0f);
    CHECK(panel->modalWidget() == nullptr);
    CHECK(box->rect() == PixelRect{12, 130, 42, 155});
    drawn = stub::events("bitmap.draw");
    REQUIRE(drawn.size() == 1);
    CHECK(drawn[0].id == 128); // the whole panel, background first
    CHECK(journal() == std::vector<std::string>{"under draw"});
    REQUIRE(listener.calls.size() == 1);
    CHECK(listener.calls[0].value == 0.0f);

    press({20, 25}); // the picture is gone: the widget gets it
    CHECK(journal() == std::vector<std::string>{"under press 20,25"});
}

TEST_CASE_FIXTURE(AboutBox, "splash box: only the modal box redraws on idle while shown")
{
    panel->paintWith(screen);
    press({20, 140});
    journal().clear();
    panel->idleRedraw();
    CHECK(journal().empty());
    press({100, 100});
    journal().clear();
    panel->idleRedraw();
    CHECK(journal() == std::vector<std::string>{"under redraw"});
}

TEST_CASE_FIXTURE(AboutBox, "splash box: disabled, or with the modal slot taken, it stays hidden")
{
    box->setEnabled(false);
    press({20, 140});
    CHECK(box->getValue() == 0.0f);
    CHECK(listener.calls.empty());

    box->setEnabled(true);
    panel->setModalWidget(under);
    Painter painter(panel.get(), screen, nullptr);
    PixelPoint where{20, 140};
    box->onMouseDown(painter, where);
    CHECK(box->getValue() == 0.0f);
    CHECK(box->rect() == PixelRect{12, 130, 42, 155});
    CHECK(panel->modalWidget() == under);
    CHECK(listener.calls.empty());
}
