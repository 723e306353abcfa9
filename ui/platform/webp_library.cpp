// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/webp_library.h"

#include <atomic>

#include "ui/platform/run_time_library.h"

namespace pintaloo {

namespace {

std::atomic<bool> pretendMissing{false};

bool FindAll(void* h, WebPLibrary& l) {
    const auto Find = [h](const char* name, auto& out) { return FindFunction(h, name, out); };
    // libwebpmux needs libwebp, so dlsym on its handle finds libwebp's
    // functions too: one library to open, and the two always match.
    return Find("WebPConfigInitInternal", l.ConfigInitInternal) &&
           Find("WebPPictureInitInternal", l.PictureInitInternal) &&
           Find("WebPPictureImportBGRX", l.PictureImportBGRX) && Find("WebPPictureImportRGBX", l.PictureImportRGBX) &&
           Find("WebPPictureFree", l.PictureFree) && Find("WebPFree", l.Free) &&
           Find("WebPAnimEncoderOptionsInitInternal", l.AnimEncoderOptionsInitInternal) &&
           Find("WebPAnimEncoderNewInternal", l.AnimEncoderNewInternal) &&
           Find("WebPAnimEncoderAdd", l.AnimEncoderAdd) && Find("WebPAnimEncoderAssemble", l.AnimEncoderAssemble) &&
           Find("WebPAnimEncoderGetError", l.AnimEncoderGetError) &&
           Find("WebPAnimEncoderDelete", l.AnimEncoderDelete) && Find("WebPNewInternal", l.MuxNewInternal) &&
           Find("WebPMuxCreateInternal", l.MuxCreateInternal) && Find("WebPMuxDelete", l.MuxDelete) &&
           Find("WebPMuxGetFeatures", l.MuxGetFeatures) && Find("WebPMuxGetFrame", l.MuxGetFrame) &&
           Find("WebPMuxPushFrame", l.MuxPushFrame) && Find("WebPMuxSetAnimationParams", l.MuxSetAnimationParams) &&
           Find("WebPMuxSetCanvasSize", l.MuxSetCanvasSize) && Find("WebPMuxAssemble", l.MuxAssemble);
}

}  // namespace

const WebPLibrary* LoadWebPLibrary() {
    // Films are made again and again, and the libraries hold nothing between films.
    const WebPLibrary* library = OpenOnce<WebPLibrary>("libwebpmux.so.3", FindAll);
    return pretendMissing.load() ? nullptr : library;
}

void PretendWebPLibraryMissing(bool missing) { pretendMissing.store(missing); }

}  // namespace pintaloo
