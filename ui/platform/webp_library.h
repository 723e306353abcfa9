// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// libwebp and libwebpmux, loaded when the first film is made rather than
// when the program starts: a linked library is mapped, relocated and
// searched for symbols before main() runs, and most sessions make no film.
//
// The headers' inline helpers (WebPConfigInit, WebPMuxNew, WebPDataClear...)
// would call the libraries directly, so their equivalents are here, calling
// the same functions with the same version numbers through the pointers.
#include <cstdint>

#include <webp/encode.h>
#include <webp/mux.h>

namespace pintaloo {

struct WebPLibrary {
    // libwebp
    decltype(&::WebPConfigInitInternal) ConfigInitInternal;
    decltype(&::WebPPictureInitInternal) PictureInitInternal;
    decltype(&::WebPPictureImportBGRX) PictureImportBGRX;
    decltype(&::WebPPictureImportRGBX) PictureImportRGBX;
    decltype(&::WebPPictureFree) PictureFree;
    decltype(&::WebPFree) Free;
    // libwebpmux
    decltype(&::WebPAnimEncoderOptionsInitInternal) AnimEncoderOptionsInitInternal;
    decltype(&::WebPAnimEncoderNewInternal) AnimEncoderNewInternal;
    decltype(&::WebPAnimEncoderAdd) AnimEncoderAdd;
    decltype(&::WebPAnimEncoderAssemble) AnimEncoderAssemble;
    decltype(&::WebPAnimEncoderGetError) AnimEncoderGetError;
    decltype(&::WebPAnimEncoderDelete) AnimEncoderDelete;
    decltype(&::WebPNewInternal) MuxNewInternal;
    decltype(&::WebPMuxCreateInternal) MuxCreateInternal;
    decltype(&::WebPMuxDelete) MuxDelete;
    decltype(&::WebPMuxGetFeatures) MuxGetFeatures;
    decltype(&::WebPMuxGetFrame) MuxGetFrame;
    decltype(&::WebPMuxPushFrame) MuxPushFrame;
    decltype(&::WebPMuxSetAnimationParams) MuxSetAnimationParams;
    decltype(&::WebPMuxSetCanvasSize) MuxSetCanvasSize;
    decltype(&::WebPMuxAssemble) MuxAssemble;

    int ConfigInit(WebPConfig* config) const {
        return ConfigInitInternal(config, WEBP_PRESET_DEFAULT, 75.f, WEBP_ENCODER_ABI_VERSION);
    }
    int PictureInit(WebPPicture* picture) const { return PictureInitInternal(picture, WEBP_ENCODER_ABI_VERSION); }
    int AnimEncoderOptionsInit(WebPAnimEncoderOptions* options) const {
        return AnimEncoderOptionsInitInternal(options, WEBP_MUX_ABI_VERSION);
    }
    WebPAnimEncoder* AnimEncoderNew(int width, int height, const WebPAnimEncoderOptions* options) const {
        return AnimEncoderNewInternal(width, height, options, WEBP_MUX_ABI_VERSION);
    }
    WebPMux* MuxNew() const { return MuxNewInternal(WEBP_MUX_ABI_VERSION); }
    WebPMux* MuxCreate(const WebPData* bitstream, int copyData) const {
        return MuxCreateInternal(bitstream, copyData, WEBP_MUX_ABI_VERSION);
    }
    void DataClear(WebPData* data) const {
        if (!data) return;
        Free(const_cast<std::uint8_t*>(data->bytes));
        WebPDataInit(data);
    }
};

// The libraries' entry points, loaded on the first call (safe from any
// thread); null when a library or one of them is missing, and no film can
// then be made.
const WebPLibrary* LoadWebPLibrary();

// For tests: while true, LoadWebPLibrary() answers null as if the libraries
// were not installed.
void PretendWebPLibraryMissing(bool missing);

}  // namespace pintaloo
