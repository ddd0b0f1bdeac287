#include "FuzzedMesh.h"

#include "FuzzGame.h"
#include "ScratchFolder.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Visual/MeshFiles.h"

void FuzzedMesh::load(const std::string& name, const uint8_t* data, size_t size) {
    FuzzGame::start();
    const std::string file = ScratchFolder::write(name, data, size);
    irr::scene::ISceneManager* scene = TovarWorks::gDevice->getSceneManager();
    if (irr::scene::IAnimatedMesh* mesh = Lumo::MeshFiles::load(scene, file.c_str())) {
        irr::scene::IMeshSceneNode* node = scene->addMeshSceneNode(mesh->getMesh(0));
        irr::scene::ITriangleSelector* selector = scene->createTriangleSelector(node->getMesh(), node);
        node->setTriangleSelector(selector);
        selector->drop();
        node->remove();
        scene->getMeshCache()->removeMesh(mesh);
    }
    TovarWorks::gDevice->getVideoDriver()->removeAllTextures();
}
