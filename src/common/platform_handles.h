#pragma once

// Opaque handles of the platform's user interface, named without including
// any platform header. On Windows they are the real handle types; the native
// build has no windows and keeps them null.
#ifdef _WIN32
struct HWND__;
struct HINSTANCE__;
struct HDC__;
struct HBITMAP__;
using WindowHandle = HWND__*;
using ModuleHandle = HINSTANCE__*;
using DeviceContextHandle = HDC__*;
using BitmapHandle = HBITMAP__*;
#else
using WindowHandle = void*;
using ModuleHandle = void*;
using DeviceContextHandle = void*;
using BitmapHandle = void*;
#endif
