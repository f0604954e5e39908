#include <windows.h>
#include <objidl.h>
#include <shlwapi.h>
#include <xmllite.h>

#include <climits>
#include <cstdio>

#include "common/wide_win32.h"
#include "tiled/xml_parser.h"

namespace {

// XmlLite is part of Windows, but the cross compiler has no import library
// for it: the reader is made through the function the DLL exports.
using CreateXmlReaderFunction = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);

CreateXmlReaderFunction XmlReaderFactory() {
  static const CreateXmlReaderFunction factory = [] {
    HMODULE module = LoadLibraryW(L"xmllite.dll");
    return module == nullptr ? nullptr
                             : reinterpret_cast<CreateXmlReaderFunction>(
                                   reinterpret_cast<void*>(GetProcAddress(module, "CreateXmlReader")));
  }();
  return factory;
}

template <typename T>
struct Released {
  T* object = nullptr;
  ~Released() {
    if (object != nullptr) object->Release();
  }
};

std::string Utf8Of(const wchar_t* text, UINT length) {
  return Utf8(std::wstring(text, length));
}

std::string Name(IXmlReader* reader) {
  const wchar_t* name = nullptr;
  UINT length = 0;
  reader->GetQualifiedName(&name, &length);
  return Utf8Of(name, length);
}

std::string Value(IXmlReader* reader) {
  const wchar_t* value = nullptr;
  UINT length = 0;
  reader->GetValue(&value, &length);
  return Utf8Of(value, length);
}

}  // namespace

bool ParseXmlEvents(std::string_view document, std::vector<XmlEvent>& events,
                    std::string& reason) {
  events.clear();
  const CreateXmlReaderFunction create = XmlReaderFactory();
  if (create == nullptr || document.size() > UINT_MAX) return false;
  Released<IXmlReader> reader;
  if (FAILED(create(__uuidof(IXmlReader), reinterpret_cast<void**>(&reader.object), nullptr))) {
    return false;
  }
  Released<IStream> stream;
  stream.object = SHCreateMemStream(reinterpret_cast<const BYTE*>(document.data()),
                                    static_cast<UINT>(document.size()));
  if (stream.object == nullptr) return false;
  // A document type is read but nothing outside the document is fetched.
  reader.object->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Parse);
  reader.object->SetProperty(XmlReaderProperty_XmlResolver, 0);
  if (FAILED(reader.object->SetInput(stream.object))) return false;

  std::string text;
  int depth = 0;
  const auto flush = [&] {
    if (!text.empty()) {
      XmlEvent event;
      event.text = std::move(text);
      events.push_back(std::move(event));
      text.clear();
    }
  };
  XmlNodeType type = XmlNodeType_None;
  HRESULT read;
  while ((read = reader.object->Read(&type)) == S_OK) {
    switch (type) {
      case XmlNodeType_Element: {
        flush();
        XmlEvent event;
        event.kind = XmlEvent::Kind::kStart;
        event.name = Name(reader.object);
        const bool empty = reader.object->IsEmptyElement();
        for (HRESULT at = reader.object->MoveToFirstAttribute(); at == S_OK;
             at = reader.object->MoveToNextAttribute()) {
          event.attributes.emplace_back(Name(reader.object), Value(reader.object));
        }
        reader.object->MoveToElement();
        const std::string name = event.name;
        events.push_back(std::move(event));
        if (empty) {
          XmlEvent end;
          end.kind = XmlEvent::Kind::kEnd;
          end.name = name;
          events.push_back(std::move(end));
        } else {
          ++depth;
        }
        break;
      }
      case XmlNodeType_EndElement: {
        flush();
        XmlEvent end;
        end.kind = XmlEvent::Kind::kEnd;
        end.name = Name(reader.object);
        events.push_back(std::move(end));
        --depth;
        break;
      }
      case XmlNodeType_Text:
      case XmlNodeType_CDATA:
      case XmlNodeType_Whitespace:
        if (depth > 0) text += Value(reader.object);
        break;
      default:
        break;
    }
  }
  flush();
  if (read != S_FALSE) {
    UINT line = 0;
    reader.object->GetLineNumber(&line);
    char code[64];
    std::snprintf(code, sizeof code, "0x%08lx (%u)", static_cast<unsigned long>(read), line);
    reason = code;
    return false;
  }
  return true;
}
