#include "image/wic_indices_win32.h"

// clang-format off
#include <windows.h>
#include <wincodec.h>
// clang-format on

#include "image/index_plane.h"

namespace {

// Releases a COM interface when it goes.
template <typename Interface>
struct Held {
  Interface* pointer = nullptr;
  ~Held() {
    if (pointer) pointer->Release();
  }
  Interface** operator&() { return &pointer; }
  Interface* operator->() const { return pointer; }
};

// COM for the calling thread, as long as it lives; a thread that has it in
// another mode already keeps that.
struct ComForThread {
  HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  ~ComForThread() {
    if (SUCCEEDED(result)) CoUninitialize();
  }
};

int IndexBits(const WICPixelFormatGUID& format) {
  if (format == GUID_WICPixelFormat8bppIndexed) return 8;
  if (format == GUID_WICPixelFormat4bppIndexed) return 4;
  if (format == GUID_WICPixelFormat2bppIndexed) return 2;
  if (format == GUID_WICPixelFormat1bppIndexed) return 1;
  return 0;
}

}  // namespace

bool ReadIndicesWithWic(const std::wstring& path, int width, int height,
                        std::vector<std::uint32_t>& palette, std::vector<std::uint8_t>& indices) {
  const ComForThread com;
  if (FAILED(com.result) && com.result != RPC_E_CHANGED_MODE) return false;
  Held<IWICImagingFactory> factory;
  Held<IWICBitmapDecoder> decoder;
  Held<IWICBitmapFrameDecode> frame;
  Held<IWICPalette> colours;
  WICPixelFormatGUID format{};
  UINT frameWidth = 0, frameHeight = 0, count = 0;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))) ||
      FAILED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ,
                                                WICDecodeMetadataCacheOnDemand, &decoder)) ||
      FAILED(decoder->GetFrame(0, &frame)) || FAILED(frame->GetSize(&frameWidth, &frameHeight)) ||
      frameWidth != static_cast<UINT>(width) || frameHeight != static_cast<UINT>(height) ||
      FAILED(frame->GetPixelFormat(&format)) || IndexBits(format) == 0 ||
      FAILED(factory->CreatePalette(&colours)) || FAILED(frame->CopyPalette(colours.pointer)) ||
      FAILED(colours->GetColorCount(&count)) || count == 0 || count > 256) {
    return false;
  }
  std::vector<WICColor> entries(count);
  UINT got = 0;
  if (FAILED(colours->GetColors(count, entries.data(), &got)) || got != count) return false;

  const int bits = IndexBits(format);
  const auto w = static_cast<std::size_t>(width), h = static_cast<std::size_t>(height);
  const std::size_t stride = (w * static_cast<std::size_t>(bits) + 7) / 8;
  std::vector<BYTE> packed(stride * h);
  if (FAILED(frame->CopyPixels(nullptr, static_cast<UINT>(stride), static_cast<UINT>(packed.size()),
                               packed.data()))) {
    return false;
  }
  palette.assign(entries.begin(), entries.end());
  indices.resize(w * h);
  for (std::size_t y = 0; y < h; ++y) {
    UnpackIndexRow(packed.data() + y * stride, static_cast<unsigned>(bits), w,
                   indices.data() + y * w);
  }
  return true;
}
