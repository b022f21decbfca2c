// placeholder until the packer lands
