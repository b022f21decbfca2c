// placeholder: the loader lands next
