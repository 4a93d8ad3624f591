// Headless pictures: with QUILLET_SNAPSHOT=DIR set, a registered window saves
// a PNG of its whole top-level window as DIR/<screen>.png after its first
// paint, and prints the path.
#pragma once

class CWnd;

void AfxRegisterSnapshot(CWnd* pWnd, int nScreen);
