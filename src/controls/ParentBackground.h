// The background a transparent control shows: a snapshot of its parent's pixels under it, kept
// in a CMemDC between paints. Transparent buttons and static texts share it.
#pragma once

#include <MemDC.h>

#include <afxwin.h>

// Copies the parent's pixels under child from pSource (a context holding the parent's client
// area) into snapshot, at the child's client size. A snapshot of that size already made is
// refilled in place, so a parent handing its background on every erase makes no new objects.
bool TakeParentBackground(CMemDC& snapshot, CDC* pSource, const CWnd& child);

// Copies the snapshot to (0, 0) of pTarget; an empty snapshot is first taken from the parent's
// window as it shows now.
void DrawParentBackground(CMemDC& snapshot, CDC* pTarget, const CWnd& child);
