#pragma once
// The root of the framework's classes, and making an object from its class's
// run-time description (what the document template needs).

class CObject {
public:
    virtual ~CObject() = default;
};

struct CRuntimeClass {
    const char* m_lpszClassName;
    CObject* (*m_pfnCreateObject)();

    CObject* CreateObject() const { return m_pfnCreateObject(); }
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNCREATE(class_name)                  \
public:                                                \
    static const CRuntimeClass class##class_name;      \
    static CObject* CreateObject();

#define IMPLEMENT_DYNCREATE(class_name)                                       \
    CObject* class_name::CreateObject() { return new class_name; }          \
    const CRuntimeClass class_name::class##class_name = {#class_name, &class_name::CreateObject};
