#include "host/object_loader.h"

#include <algorithm>

#include "host/application.h"
#include "host/component_factory.h"
#include "host/object_records/object_record.h"
#include "host/vx_form.h"
#include "objects/page_objects.h"
#include "objects/vx_object.h"
#include "util/error.h"

namespace vx {

ObjectLoader::ObjectLoader(Application& app) : app_(app) {}

bool ObjectLoader::Takes(ObjectKind kind) { return RecordOfKind(kind) != nullptr; }

TVXForm& ObjectLoader::LoadingPage() const {
  // Before the first page record the main form is the page.
  const auto index = static_cast<std::size_t>(std::max(1, app_.pageCount) - 1);
  if (index >= app_.forms.size()) throw Error("no page is being loaded");
  return *app_.forms[index];
}

void ObjectLoader::ObjectHeader(const ObjectHeaderRecord& header) {
  const KindRecord* record = RecordOfKind(header.kind.kind);
  if (record == nullptr) throw Error("The object kind " + std::string(header.kind.className) + " is not loaded here.");
  TVXForm& page = LoadingPage();
  const std::string finalName = "OBJ" + header.name;
  // The toolkit refuses a second component of one name on a page.
  if (page.Components().Find(finalName) != nullptr)
    throw Error("A component named " + finalName + " already exists.");
  const PrototypeInfo* prototype = FindPrototype(record->className);
  CloneComponent(app_, page, record->className);
  TVXObject* object = page.Components().Find(prototype->temporaryName);
  if (object == nullptr) throw Error("The new component " + std::string(prototype->temporaryName) + " is missing.");
  object->Name = finalName;
  current_ = object;
  record_ = record;
  RecordContext ctx{app_, page, imageCounter_};
  record->header(*object, header, ctx);
  if (auto* control = dynamic_cast<TVXControl*>(object)) control->ShowHint = true;
  if (listPage_ != &page) {
    names_.clear();
    listPage_ = &page;
  }
  names_.push_back(header.name);
}

void ObjectLoader::SkipObject() {
  current_ = nullptr;
  record_ = nullptr;
}

void ObjectLoader::ObjectField(const ObjectKindInfo& kind, const ContainerField& field) {
  if (current_ == nullptr || record_ == nullptr || record_->kind != kind.kind) return;
  const auto row = std::find_if(record_->fields.begin(), record_->fields.end(),
                                [&](const FieldRow& r) { return r.counter == field.counter; });
  TVXForm& page = LoadingPage();
  RecordContext ctx{app_, page, imageCounter_};
  if (row != record_->fields.end()) row->apply(*current_, field, ctx);
  if (field.counter == kind.lastField) current_->Place(page.Components());
}

void ObjectLoader::FinishPage() {
  if (listPage_ != nullptr) {
    PageObjects& objects = listPage_->Components();
    for (const std::string& name : names_)
      if (TVXObject* object = objects.Find("OBJ" + name); object != nullptr && object->InZOrderPasses())
        objects.BringToFront(*object);
  }
  names_.clear();
  listPage_ = nullptr;
}

}  // namespace vx
