// TODO(owner): implement
