#pragma once

// Common root of the document classes so that Assign can be handed an object of the
// wrong kind and answer with the error the operator would see, as the stored
// documents and lists are copied between windows, threads and dialogs.
class TDocumentObject {
public:
    TDocumentObject() = default;
    TDocumentObject(const TDocumentObject&) = delete;
    TDocumentObject& operator=(const TDocumentObject&) = delete;
    virtual ~TDocumentObject() = default;

    // Makes this object a deep copy of source; the error depends on the class.
    virtual void Assign(const TDocumentObject& source) = 0;
};

// Raises "List index out of bounds (%1)"; shared by the owning lists.
[[noreturn]] void RaiseListIndexError(int index);
