// Any bytes as a file-list page block and a resource association block,
// loaded into the paged list.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "filelist/file_list_pages.h"
#include "filelist/rc_association.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FileListPages list;
    BlockDamage damage;
    size_t nUsed = list.Read(data, size, damage);
    if (nUsed > size || list.idcurchk != -1 || list.ipage != 0)
        std::abort();
    if (list.ncount > 0) {
        list.NextPage();
        list.ShiftPage(1);
        list.RemoveAll();
    }
    std::string out;
    list.Write(out);
    BlockReader r = MakeBlockReader(data, size);
    RcAssociation assoc;
    BlockDamage rcDamage;
    DecodeRcAssociation(r, assoc, rcDamage, 12);
    if (r.nPos > size)
        std::abort();
    return 0;
}
