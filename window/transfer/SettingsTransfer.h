// The settings pages to and from a parameter image: every list, edit and tick box of the map
// between the controls and the image's settings fields.
#pragma once

#include "ParameterImage.h"
#include "Settings.h"

namespace window::transfer {

// `settings` after a load of `image`. A byte beyond its list gives that list no selection; the
// bit-rate controls that the image's choice of custom or standard bit rates does not use keep
// what `settings` held. Takes any image and never throws.
Settings LoadSettings(const veltrix::protocol::ParameterImage& image, Settings settings);

// A fresh image of the settings: zeros, the settings fields, the fixed bytes and the direction
// bytes. The filter section and the device information stay zero. Texts convert in the order
// of the pages; the first that does not convert throws platform::EConvertError.
veltrix::protocol::ParameterImage BuildSettingsImage(const Settings& settings);

}  // namespace window::transfer
