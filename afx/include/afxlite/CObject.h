// Root of the framework's class tree: run-time type information (GetRuntimeClass, IsKindOf)
// and a virtual destructor. Objects are not copyable.
#pragma once

#include "afxlite/AfxDef.h"
#include "afxlite/CRuntimeClass.h"

class AFX_API CObject {
public:
    static CRuntimeClass classCObject;

    virtual ~CObject() = default;
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual void AssertValid() const;

    BOOL IsKindOf(const CRuntimeClass* pClass) const;

protected:
    CObject() = default;

private:
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};
