// Headless pictures: with QUILLET_SNAPSHOT=DIR set, a registered window saves
// a PNG of its whole top-level window as DIR/<screen>.png after its first
// paint. It prints "painted: <screen>" once that paint of the whole window is
// done, the widgets painted after the registered one included, and
// "snapshot: <path>" once the picture is saved.
#pragma once

class CWnd;

void AfxRegisterSnapshot(CWnd* pWnd, int nScreen);
