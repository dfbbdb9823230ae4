// CList.h - the doubly linked list template and the lists built on it.
//
// Classes:
//   CList<TYPE, ARG_TYPE>        ordered list addressed by POSITION
//   CPtrList                     list of void*
//   CTypedPtrList<BASE, TYPE>    a pointer list that hands out TYPE
//
// A POSITION stays valid until its element is removed. Out of memory while
// adding raises CMemoryException and leaves the list unchanged.
#pragma once

#include "CException.h"

#include <new>

template <class TYPE, class ARG_TYPE>
class CList : public CObject {
protected:
    struct CNode {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

public:
    explicit CList(int nBlockSize = 10) { (void)nBlockSize; }
    ~CList() override { RemoveAll(); }
    CList(const CList&) = delete;
    CList& operator=(const CList&) = delete;

    int GetCount() const { return m_nCount; }
    int GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead() { return m_pNodeHead->data; }
    TYPE GetHead() const { return m_pNodeHead->data; }
    TYPE& GetTail() { return m_pNodeTail->data; }
    TYPE GetTail() const { return m_pNodeTail->data; }

    TYPE RemoveHead() {
        CNode* node = m_pNodeHead;
        TYPE value = node->data;
        FreeNode(node);
        return value;
    }
    TYPE RemoveTail() {
        CNode* node = m_pNodeTail;
        TYPE value = node->data;
        FreeNode(node);
        return value;
    }

    POSITION AddHead(ARG_TYPE newElement) { return InsertBefore(ToPos(m_pNodeHead), newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return InsertAfter(ToPos(m_pNodeTail), newElement); }
    void AddHead(CList* pNewList) {
        for (POSITION pos = pNewList->GetTailPosition(); pos;) AddHead(pNewList->GetPrev(pos));
    }
    void AddTail(CList* pNewList) {
        for (POSITION pos = pNewList->GetHeadPosition(); pos;) AddTail(pNewList->GetNext(pos));
    }
    void RemoveAll() {
        while (m_pNodeHead) FreeNode(m_pNodeHead);
    }

    POSITION GetHeadPosition() const { return ToPos(m_pNodeHead); }
    POSITION GetTailPosition() const { return ToPos(m_pNodeTail); }
    TYPE& GetNext(POSITION& rPosition) {
        CNode* node = ToNode(rPosition);
        rPosition = ToPos(node->pNext);
        return node->data;
    }
    TYPE GetNext(POSITION& rPosition) const {
        CNode* node = ToNode(rPosition);
        rPosition = ToPos(node->pNext);
        return node->data;
    }
    TYPE& GetPrev(POSITION& rPosition) {
        CNode* node = ToNode(rPosition);
        rPosition = ToPos(node->pPrev);
        return node->data;
    }
    TYPE GetPrev(POSITION& rPosition) const {
        CNode* node = ToNode(rPosition);
        rPosition = ToPos(node->pPrev);
        return node->data;
    }
    TYPE& GetAt(POSITION position) { return ToNode(position)->data; }
    TYPE GetAt(POSITION position) const { return ToNode(position)->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { ToNode(pos)->data = newElement; }
    void RemoveAt(POSITION position) { FreeNode(ToNode(position)); }

    // Inserts before/after the element at position; a null position means
    // the head (InsertBefore) or the tail (InsertAfter).
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement) {
        CNode* next = position ? ToNode(position) : m_pNodeHead;
        CNode* node = NewNode(newElement);
        node->pNext = next;
        node->pPrev = next ? next->pPrev : nullptr;
        Link(node);
        return ToPos(node);
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement) {
        CNode* prev = position ? ToNode(position) : m_pNodeTail;
        CNode* node = NewNode(newElement);
        node->pPrev = prev;
        node->pNext = prev ? prev->pNext : nullptr;
        Link(node);
        return ToPos(node);
    }

    // The first element equal to searchValue after startAfter (null: from
    // the head), or null.
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const {
        CNode* node = startAfter ? ToNode(startAfter)->pNext : m_pNodeHead;
        for (; node; node = node->pNext)
            if (node->data == searchValue) return ToPos(node);
        return nullptr;
    }
    // The element at the zero-based index, or null when out of range.
    POSITION FindIndex(int nIndex) const {
        if (nIndex < 0 || nIndex >= m_nCount) return nullptr;
        CNode* node = m_pNodeHead;
        while (nIndex--) node = node->pNext;
        return ToPos(node);
    }

protected:
    static POSITION ToPos(CNode* node) { return reinterpret_cast<POSITION>(node); }
    static CNode* ToNode(POSITION pos) { return reinterpret_cast<CNode*>(pos); }

    CNode* NewNode(ARG_TYPE value) {
        try {
            return new CNode{nullptr, nullptr, TYPE(value)};
        } catch (const std::bad_alloc&) {
            AfxThrowMemoryException();
        }
    }
    // Splices a node whose pPrev/pNext are set into the chain.
    void Link(CNode* node) {
        if (node->pPrev)
            node->pPrev->pNext = node;
        else
            m_pNodeHead = node;
        if (node->pNext)
            node->pNext->pPrev = node;
        else
            m_pNodeTail = node;
        ++m_nCount;
    }
    void FreeNode(CNode* node) {
        if (node->pPrev)
            node->pPrev->pNext = node->pNext;
        else
            m_pNodeHead = node->pNext;
        if (node->pNext)
            node->pNext->pPrev = node->pPrev;
        else
            m_pNodeTail = node->pPrev;
        --m_nCount;
        delete node;
    }

    CNode* m_pNodeHead = nullptr;
    CNode* m_pNodeTail = nullptr;
    int m_nCount = 0;
};

class CPtrList : public CList<void*, void*> {
public:
    explicit CPtrList(int nBlockSize = 10) : CList<void*, void*>(nBlockSize) {}
};

// A list of pointers of one type over an untyped pointer list (CObList or
// CPtrList); it adds no storage of its own.
template <class BASE_CLASS, class TYPE>
class CTypedPtrList : public BASE_CLASS {
public:
    explicit CTypedPtrList(int nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

    TYPE& GetHead() { return reinterpret_cast<TYPE&>(BASE_CLASS::GetHead()); }
    TYPE GetHead() const { return static_cast<TYPE>(BASE_CLASS::GetHead()); }
    TYPE& GetTail() { return reinterpret_cast<TYPE&>(BASE_CLASS::GetTail()); }
    TYPE GetTail() const { return static_cast<TYPE>(BASE_CLASS::GetTail()); }
    TYPE RemoveHead() { return static_cast<TYPE>(BASE_CLASS::RemoveHead()); }
    TYPE RemoveTail() { return static_cast<TYPE>(BASE_CLASS::RemoveTail()); }
    POSITION AddHead(TYPE newElement) { return BASE_CLASS::AddHead(newElement); }
    POSITION AddTail(TYPE newElement) { return BASE_CLASS::AddTail(newElement); }
    TYPE& GetNext(POSITION& rPosition) { return reinterpret_cast<TYPE&>(BASE_CLASS::GetNext(rPosition)); }
    TYPE GetNext(POSITION& rPosition) const { return static_cast<TYPE>(BASE_CLASS::GetNext(rPosition)); }
    TYPE& GetPrev(POSITION& rPosition) { return reinterpret_cast<TYPE&>(BASE_CLASS::GetPrev(rPosition)); }
    TYPE GetPrev(POSITION& rPosition) const { return static_cast<TYPE>(BASE_CLASS::GetPrev(rPosition)); }
    TYPE& GetAt(POSITION position) { return reinterpret_cast<TYPE&>(BASE_CLASS::GetAt(position)); }
    TYPE GetAt(POSITION position) const { return static_cast<TYPE>(BASE_CLASS::GetAt(position)); }
    void SetAt(POSITION pos, TYPE newElement) { BASE_CLASS::SetAt(pos, newElement); }
};
