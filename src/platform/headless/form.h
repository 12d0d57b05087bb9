// A top-level window of the in-memory desktop: outer rectangle, frame metrics, region,
// band, visibility and its controls, built from the window definition.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "platform/headless/control.h"
#include "platform/headless/picture_box.h"
#include "platform/toolkit.h"

namespace vardek::platform::headless {

class World;

struct FrameMetrics {
    int frame = 4;     // left, right and bottom frame
    int caption = 19;  // title bar, below the top frame
};

class HeadlessForm final : public Form {
public:
    HeadlessForm(World& world, FormId id, const FormDef& def, int serial);

    FormId Id() const override { return id_; }
    Control& Get(ControlName name) override;
    PictureBox& Picture(ControlName name) override;
    bool Visible() const override { return visible_; }
    void Show() override;
    void Hide() override;
    void SetBand(Band band) override;
    Band GetBand() const override { return band_; }
    void Raise() override;
    PixelRect WindowRect() const override;
    void MoveTo(PixelPoint outerTopLeft) override;
    PixelSize ClientSize() const override { return minimized_ ? PixelSize{} : client_; }
    bool IsMinimized() const override { return minimized_; }
    int Dpi() const override { return dpi_; }
    void SetShape(const WindowShape& shape, bool redraw) override;

    World& Owner() const { return world_; }
    const FormDef& Definition() const { return def_; }
    int Serial() const { return serial_; }
    HeadlessControl* Find(std::string_view name) const;
    const std::vector<std::unique_ptr<HeadlessControl>>& Controls() const { return controls_; }

    // The region as last set; empty when the window has never been given one (whole window).
    const std::optional<WindowShape>& Shape() const { return shape_; }
    // Screen origin of the client area.
    PixelPoint ClientOrigin() const;
    // Whether a screen point lies on the window's visible, clickable part.
    bool Covers(PixelPoint screen) const;
    int RepaintsOnShape() const { return repaintsOnShape_; }

    // Frame metrics at the window's DPI.
    FrameMetrics Metrics() const;
    int PictureBorder() const { return ScaleForDpi(2, dpi_); }

    // What the user or the window system does to the window.
    void ResizeClient(PixelSize client);
    void ApplyDpi(int dpi, const PixelRect& outer);
    void SetMinimized(bool minimized) { minimized_ = minimized; }
    PixelSize ClientSizeWhenRestored() const { return client_; }

private:
    void PlaceControls();

    World& world_;
    FormId id_;
    const FormDef& def_;
    int serial_;
    int dpi_;
    PixelPoint outerOrigin_;
    PixelSize client_;
    bool visible_ = false;
    bool everShown_ = false;
    bool minimized_ = false;
    Band band_ = Band::Normal;
    std::optional<WindowShape> shape_;
    int repaintsOnShape_ = 0;
    std::vector<std::unique_ptr<HeadlessControl>> controls_;
};

}  // namespace vardek::platform::headless
